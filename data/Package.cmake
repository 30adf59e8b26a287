# The Debian package: scripts/package runs cpack with this configuration.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lektavo)
set(CPACK_PACKAGE_VENDOR "Lektavo developers")
set(CPACK_PACKAGE_CONTACT "Lektavo developers <lektavo@lektavo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reading aid that reads texts aloud and trains fast reading")
set(CPACK_PACKAGE_DESCRIPTION [=[
Lektavo is a reading aid for Russian speakers. It reads a text aloud
sentence by sentence, sending Russian sentences to a Russian voice and
Latin-script ones to an English voice, and colours the sentence being
spoken. It can read aloud whatever new text is copied to the clipboard,
and it trains fast reading by flashing the text a group of words at a
time at a pace the user sets.

It opens plain text in UTF-8, UTF-16, Windows-1251, KOI8-R and IBM866,
HTML, FictionBook, EPUB, Word and OpenDocument texts and PDF files that
hold text; older word-processor files open through LibreOffice. It speaks
with the built-in espeak-ng voices and the voices of speech-dispatcher.
The interface is in Russian.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://lektavo.org/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, qt6-translations-l10n, hunspell-ru, hunspell-en-us")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "speech-dispatcher, speech-dispatcher-espeak-ng, speech-dispatcher-festival, festvox-ru, libreoffice-writer-nogui | libreoffice-writer, fonts-dejavu-core, wl-clipboard")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "speech-dispatcher-flite")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

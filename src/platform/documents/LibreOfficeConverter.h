#pragma once
#include "platform/DocumentConverter.h"
#include <QString>
#include <chrono>

// Where and how LibreOffice converts.
struct LibreOfficeSetup {
    QString program;         // the soffice program; empty when LibreOffice is not installed
    QString profileFolder;   // the program's own profile, so that a running LibreOffice of the
                             // user's is never handed the work or closed
    QString workFolder;      // where each conversion gets a fresh output folder
    QString conversionFile;  // "TempFile.txt" in the program folder; holds the converted document
    std::chrono::milliseconds timeOut{60'000};
};

// The setup of this machine: soffice from PATH, the profile and the work folders in the cache
// folder, the conversion file in programFolder (which ends in a slash).
LibreOfficeSetup InstalledLibreOffice(const QString &programFolder);

// Converts a document with LibreOffice run headless: it saves the document as OpenDocument text,
// which becomes the conversion file; that is read and then deleted, after a failure too, and its
// text is what the built-in OpenDocument converter makes of it, so that notes, lists, headings and
// tables come out as from any other word processor's document. One conversion
// runs at a time in the whole program; one that outlasts the time-out, or is cancelled, is killed
// with all its processes.
class LibreOfficeConverter {
public:
    static constexpr auto MissingMessage =
        "Чтобы открывать такие документы, необходимо сначала установить LibreOffice "
        "(пакет libreoffice-writer-nogui: sudo apt install libreoffice-writer-nogui)";

    explicit LibreOfficeConverter(LibreOfficeSetup setup);
    ConvertedDocument Convert(const QString &path, const std::stop_token &stop) const;

private:
    ConvertedDocument ConvertAlone(const QString &path, const std::stop_token &stop) const;

    LibreOfficeSetup setup;
};

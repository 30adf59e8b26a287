#include "HyphenDictionary.h"
#include "PdfParagraphs.h"
#include <QFile>
#include <hunspell/hunspell.hxx>

HyphenDictionary::HyphenDictionary(std::vector<std::pair<QString, QString>> files)
    : files(std::move(files))
{
}

HyphenDictionary::~HyphenDictionary() = default;

const HyphenDictionary &HyphenDictionary::Installed()
{
    static const HyphenDictionary installed({
        {QStringLiteral("/usr/share/hunspell/ru_RU.aff"), QStringLiteral("/usr/share/hunspell/ru_RU.dic")},
        {QStringLiteral("/usr/share/hunspell/en_US.aff"), QStringLiteral("/usr/share/hunspell/en_US.dic")},
    });
    return installed;
}

bool HyphenDictionary::KeepsHyphen(QStringView head, QStringView tail) const
{
    std::call_once(loaded, [this] {
        for (const auto &[affixes, words] : files) {
            if (QFile::exists(affixes) && QFile::exists(words))
                dictionaries.push_back(std::make_unique<Hunspell>(QFile::encodeName(affixes).constData(),
                                                                  QFile::encodeName(words).constData()));
        }
    });
    if (dictionaries.empty())
        return KeepsHyphenBeforeParticle(head, tail);
    const std::lock_guard lock(asking);
    if (Knows(head.toString() + tail.toString()))
        return false;
    return Knows(head.toString() + u'-' + tail.toString());
}

// Both dictionaries read UTF-8, as Debian installs them.
bool HyphenDictionary::Knows(const QString &word) const
{
    const std::string utf8 = word.toStdString();
    for (const auto &dictionary : dictionaries) {
        if (dictionary->spell(utf8))
            return true;
    }
    return false;
}

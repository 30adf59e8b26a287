#pragma once
#include <QString>
#include <QStringView>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

class Hunspell;

// Spelling dictionaries as the judge of a word broken with a hyphen at a line end: the joined word
// when a dictionary knows it ("чемо-/дан"), the hyphenated form when one knows that
// ("по-/английски"), the joined word otherwise. The dictionaries are read when first asked;
// without any, the hyphen stays only before a particle that always takes one.
class HyphenDictionary {
public:
    // Each dictionary as its affix file and its word list.
    explicit HyphenDictionary(std::vector<std::pair<QString, QString>> files);
    ~HyphenDictionary();
    HyphenDictionary(const HyphenDictionary &) = delete;
    HyphenDictionary &operator=(const HyphenDictionary &) = delete;

    bool KeepsHyphen(QStringView head, QStringView tail) const;

    // The Russian and English dictionaries the system installs.
    static const HyphenDictionary &Installed();

private:
    bool Knows(const QString &word) const;

    std::vector<std::pair<QString, QString>> files;
    mutable std::once_flag loaded;
    mutable std::mutex asking;  // a dictionary is not to be asked from two threads at once
    mutable std::vector<std::unique_ptr<Hunspell>> dictionaries;
};

#include "voices/VoiceCatalogue.h"
#include "platform/LanguageIds.h"
#include "platform/TDirectSS.h"
#include <algorithm>

namespace {
constexpr int EnglishPrimaryLanguage = 0x09;
constexpr int PrimaryLanguageMask = 0x3FF;

struct VoiceIdentity {
    QString Mode, Manufacturer, Product, Speaker;
    int LanguageId = 0;
};

bool IsKnownEnglish(const VoiceIdentity &v)
{
    return v.Product == u"MICROSOFT SPEECH SYNTHESIS ENGINE"
        || v.Mode == u"ADULT FEMALE #1 BRITISH ENGLISH (L&H)"
        || v.Mode == u"ADULT MALE #1 BRITISH ENGLISH (L&H)"
        || (v.Product == u"DIGALO"
            && (v.Speaker == u"GORDON" || v.Speaker == u"MARY" || v.Speaker == u"WILLIAM"
                || v.Speaker == u"VICKY"))
        || v.Manufacturer == u"IBM"
        || v.Manufacturer.left(2) == u"AT"
        || (v.LanguageId & PrimaryLanguageMask) == EnglishPrimaryLanguage;
}

bool IsKnownRussian(const VoiceIdentity &v)
{
    return v.Mode == u"ADULT FEMALE #1 RUSSIAN (L&H)"
        || v.Mode == u"ADULT MALE #1 RUSSIAN (L&H)"
        || (v.Product == u"DIGALO" && v.Speaker == u"NICOLAI")
        || v.LanguageId == RussianLanguageId;
}

QString LanguageTag(const VoiceIdentity &voice)
{
    if (IsKnownRussian(voice))
        return QStringLiteral("Rus");
    if (IsKnownEnglish(voice))
        return QStringLiteral("Eng");
    return {};
}

}

QString AsciiUpper(QString text)
{
    for (QChar &c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    return text;
}

void VoiceCatalogue::LoadSg(TDirectSS &engine)
{
    rows = {Row{}};
    const int count = std::min(engine.EngineCount(), MaxEngines);
    for (int i = 1; i <= count; ++i) {
        const QString speaker = engine.SpeakerName(i);
        const QString mode = engine.ModeName(i);
        QString name = mode;
        if (Exists(name))
            Rename(name);
        rows.append({name, {}});
        const VoiceIdentity voice{AsciiUpper(mode), AsciiUpper(engine.MfgName(i)),
                                  AsciiUpper(engine.ProductName(i)), AsciiUpper(speaker),
                                  engine.LanguageId(i)};
        rows.last().Tag = LanguageTag(voice);
    }
}

bool VoiceCatalogue::Exists(const QString &name) const
{
    return std::any_of(rows.begin() + 1, rows.end(), [&](const Row &row) { return row.Name == name; });
}

void VoiceCatalogue::Rename(QString &name) const
{
    if (!Exists(name)) {
        name += u" 1";
        return;
    }
    int n = 2;
    while (Exists(name + u' ' + QString::number(n)))
        ++n;
    name += u' ' + QString::number(n);
}

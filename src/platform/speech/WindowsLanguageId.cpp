#include "WindowsLanguageId.h"
#include <QHash>
#include <QRegularExpression>

namespace {

const QHash<QString, int> &KnownLanguages()
{
    static const QHash<QString, int> table{
        {"af", 1078}, {"am", 1118}, {"ar", 1025}, {"as", 1101}, {"az", 1068}, {"ba", 1133},
        {"be", 1059}, {"bg", 1026}, {"bn", 1093}, {"bs", 5146}, {"ca", 1027}, {"chr", 1116},
        {"cmn", 2052}, {"cs", 1029}, {"cy", 1106}, {"da", 1030}, {"de", 1031}, {"de-at", 3079},
        {"de-ch", 2055}, {"el", 1032}, {"en", 2057}, {"en-gb", 2057}, {"en-us", 1033},
        {"en-029", 9225}, {"en-au", 3081}, {"en-ca", 4105}, {"en-ie", 6153}, {"en-in", 16393},
        {"en-nz", 5129}, {"en-za", 7177}, {"es", 3082}, {"es-es", 3082}, {"es-419", 58378},
        {"es-mx", 2058}, {"et", 1061}, {"eu", 1069}, {"fa", 1065}, {"fi", 1035}, {"fil", 1124},
        {"fr", 1036}, {"fr-fr", 1036}, {"fr-be", 2060}, {"fr-ca", 3084}, {"fr-ch", 4108},
        {"ga", 2108}, {"gd", 1169}, {"gl", 1110}, {"gn", 1140}, {"gu", 1095}, {"haw", 1141},
        {"he", 1037}, {"hi", 1081}, {"hr", 1050}, {"hu", 1038}, {"hy", 1067}, {"id", 1057},
        {"ig", 1136}, {"is", 1039}, {"it", 1040}, {"ja", 1041}, {"ka", 1079}, {"kk", 1087},
        {"kl", 1135}, {"km", 1107}, {"kn", 1099}, {"ko", 1042}, {"kok", 1111}, {"ku", 1170},
        {"ky", 1088}, {"la", 1142}, {"lb", 1134}, {"lo", 1108}, {"lt", 1063}, {"lv", 1062},
        {"mi", 1153}, {"mk", 1071}, {"ml", 1100}, {"mn", 1104}, {"mr", 1102}, {"ms", 1086},
        {"mt", 1082}, {"my", 1109}, {"nb", 1044}, {"ne", 1121}, {"nl", 1043}, {"nl-be", 2067},
        {"nn", 2068}, {"no", 1044}, {"om", 1138}, {"or", 1096}, {"pa", 1094}, {"pl", 1045},
        {"pt", 2070}, {"pt-pt", 2070}, {"pt-br", 1046}, {"qu", 1131}, {"quc", 1158},
        {"ro", 1048}, {"ru", 1049}, {"sa", 1103}, {"sd", 1113}, {"si", 1115}, {"sk", 1051},
        {"sl", 1060}, {"smj", 4155}, {"so", 1143}, {"sq", 1052}, {"sr", 2074}, {"sv", 1053},
        {"sw", 1089}, {"ta", 1097}, {"te", 1098}, {"tg", 1064}, {"th", 1054}, {"tk", 1090},
        {"tn", 1074}, {"tr", 1055}, {"tt", 1092}, {"ug", 1152}, {"uk", 1058}, {"ur", 1056},
        {"uz", 1091}, {"vi", 1066}, {"wo", 1160}, {"xh", 1076}, {"yo", 1130}, {"yue", 3076},
        {"zh", 2052}, {"zh-cn", 2052}, {"zh-tw", 1028}, {"zh-hk", 3076}, {"zu", 1077},
    };
    return table;
}

}  // namespace

int WindowsLanguageId(const QString &languageTag)
{
    QString tag = languageTag.trimmed().toLower().replace('_', '-');
    while (!tag.isEmpty()) {
        const auto found = KnownLanguages().constFind(tag);
        if (found != KnownLanguages().constEnd())
            return *found;
        const qsizetype dash = tag.lastIndexOf('-');
        tag = dash < 0 ? QString() : tag.left(dash);
    }
    return UnspecifiedLanguageId;
}

QString LanguageTagFromVoiceName(const QString &voiceName)
{
    static const QRegularExpression separators("[^A-Za-z]+");
    for (const QString &part : voiceName.split(separators, Qt::SkipEmptyParts)) {
        const QString code = part.toLower();
        if (code.size() == 2 && KnownLanguages().contains(code))
            return code;
    }
    return {};
}

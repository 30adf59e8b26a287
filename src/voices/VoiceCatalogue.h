#pragma once
#include <QList>
#include <QString>

class TDirectSS;

// Voice names are compared without regard to the case of the Latin letters a to z only.
QString AsciiUpper(QString text);

// The installed voices as the voice panels list them. Row n describes engine number n: its
// display name and its language tag ("Eng", "Rus" or empty). Row 0 exists and stays empty.
class VoiceCatalogue {
public:
    // Settings exist for engine numbers up to this one; voices beyond it are not listed.
    static constexpr int MaxEngines = 300;

    struct Row {
        QString Name;
        QString Tag;
        bool operator==(const Row &) const = default;
    };

    // Refills the catalogue from the engine. An engine error ends the filling at that voice and
    // reaches the caller; the rows already added stay.
    void LoadSg(TDirectSS &engine);

    bool Exists(const QString &name) const;
    void Rename(QString &name) const;

    int RowCount() const { return int(rows.size()); }
    const Row &At(int row) const { return rows[row]; }

    bool operator==(const VoiceCatalogue &) const = default;

private:
    QList<Row> rows{Row{}};
};

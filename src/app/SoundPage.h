#pragma once
#include <QList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QWidget;
class TSound;
class TwoColumns;
class VoicePanel;

// The "Звук" tab, built into TsSound: the left column PnSoundLeft with "Активизир. от Vornika",
// the reading options and the invisible line-height probe LbTest, and the right column
// PnSoundRight with the voice panels Sound1 in "Английский" and Sound2 in "Русский".
class SoundPage {
public:
    SoundPage(QWidget *tsSound, VoicePanel &foreign, VoicePanel &russian);

    // Puts a part into the left column below what is there; its rows keep to the column's width.
    void AddToLeftColumn(QWidget *part, QList<QWidget *> rows);
    // Puts a row into the right column below the voice panels.
    void AddBelowVoices(QWidget *row);

    QCheckBox *CbAutoActive;
    QLabel *LbTest;  // in Re1's font: the height of one text line
    QGroupBox *GbEnglish, *GbRussian;
    TSound *Sound1, *Sound2;

private:
    static void AddAtColumnEnd(QWidget *column, QWidget *part);

    QWidget *PnSound, *PnSoundLeft, *PnSoundRight;
    TwoColumns *columns;
};

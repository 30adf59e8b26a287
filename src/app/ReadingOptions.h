#pragma once
#include "reading/ReadingController.h"
#include <QList>
#include <QWidget>

class ClipboardMonitor;
class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

// The reading options in the sound tab's left column PnSoundLeft: the extra pause between
// sentences, telling the languages apart, and what the clipboard monitor reads by itself; and
// the program's own two: whether abbreviations end sentences, a box the window places below the
// voices, and the English runs inside a Russian piece, an item of "Правка" (the tab has no room
// left for its caption).
// A change, by the user or by code, tells the controller the options anew, then runs the
// control's click handler.
class ReadingOptions : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultExtraPause = 1;

    explicit ReadingOptions(QWidget *parent = nullptr);

    int LangsIndex() const;  // the checked item of RgLangs
    ReadingController::Options Current() const;
    void SetLangsIndex(int index);
    void ConnectTo(ReadingController &controller, ClipboardMonitor &monitor);
    // The groups, as rows of the column that holds the options.
    QList<QWidget *> Rows() const;

    QGroupBox *Gb222, *Gb2222, *Gb22222;
    QSpinBox *UpDown1;
    QLineEdit *Edit4;  // shows UpDown1's seconds
    QCheckBox *CbLangApart, *CbAutoBuffer, *CbIgnoreLong;
    static inline const QString EnglishRunsCaption = QStringLiteral("Английские вставки — английским голосом");
    QCheckBox *CbAbbreviations;  // unchecked until stored
    QAction *AcEnglishRuns;      // checkable, unchecked until stored
    QGroupBox *RgLangs;

private:
    QButtonGroup *langsItems;
};

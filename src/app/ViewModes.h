#pragma once

class QPlainTextEdit;
class QWidget;
class SettingsRecord;
class TextArea;
struct FontDescription;

// The window's view modes: full screen and back to the window ("Полный экран", "Окно"), and the
// text centred ("Текст по центру"). Each change keeps the text's selection and its first visible
// line, as does a new font of the text.
class ViewModes {
public:
    ViewModes(QWidget &window, QPlainTextEdit *re1, TextArea &re1Area, SettingsRecord &record);

    void mnScreenClick();
    void mnWindowClick();
    void MnTaCenterClick();  // centred and left in turn, stored in the record
    bool TextCentred() const { return centred; }
    void SetTextCentred(bool centred);  // nothing stored
    // The font changes under the reader's eyes without moving the text: the same selection, the
    // same first line, the selection then in the middle of the visibleLines of the view.
    void ShowTextFont(const FontDescription &font, int visibleLines);

private:
    QWidget &window;
    QPlainTextEdit *re1;
    TextArea &re1Area;
    SettingsRecord &record;
    bool centred = false;
};

#pragma once
#include <QChar>

class FindView;
class KeyboardLayout;
class TextArea;

// The find bar over the text area Re1. Each press of "Найти" selects the next occurrence of the
// field's text behind the selection, with letters of either case taken as one, going on from the
// top at the end of the text; the caption tells when the text occurs only once or not at all.
class TextFinder {
public:
    static constexpr int MaxSearchLength = 100;  // of the field Edit1
    static constexpr auto FoundOnceMessage = "Текст в документе встречается один раз";
    static constexpr auto NotFoundMessage = "Текст не найден";

    TextFinder(TextArea &area, FindView &view, KeyboardLayout &keyboard);

    void Edit1Change();            // BtFind is enabled exactly when the field holds something
    bool Edit1KeyPress(QChar key); // Enter searches; true when the key is thereby used up
    void BtFindClick();

private:
    int FindFrom(const QString &searched, int from) const;
    void SelectOccurrence(int position, int length);

    TextArea &area;
    FindView &view;
    KeyboardLayout &keyboard;
};

#pragma once
#include "platform/ColorRef.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TextArea;

// Texts with the pieces that reading them from a given selection must yield, shared by the tests
// of the stepping logic over every kind of text area.
struct SteppingCase {
    QString name;
    QString text;              // line breaks as CR LF
    int selStart = 0;
    int selLength = 0;
    bool dashPending = false;
    QStringList pieces;        // in reading order; after the last one the reading ends
    bool dashPendingAfter = false;
};

QList<SteppingCase> SteppingCases();

struct SteppingRun {
    QStringList pieces;
    int stops = 0;             // how often AcStopBoth was executed
    int selStartAfter = -1;
    int selLengthAfter = -1;
    bool dashPendingAfter = false;
    QString highlightFault;    // what went wrong with colouring a piece, empty when nothing did
};

// Reads the case's text as the reading controller does: next piece, colour it, next piece...
// until the reading is stopped. colourAt tells the colour the area shows at a position.
SteppingRun ReadThrough(TextArea &area, const SteppingCase &steppingCase,
                        const std::function<ColorRef(int)> &colourAt);

// A piece placed relative to the view, and where ScrollToHighlight must leave the view's top.
struct ScrollCase {
    QString name;
    int viewsDown;    // the piece's first line is top + viewsDown * visible lines + linesDown
    int linesDown;
    int pieceLines;
    enum Result { ViewUnchanged, PieceOnTop, LineBeforePieceOnTop } result;
};

QList<ScrollCase> ScrollCases();

// Puts the view's top on topLine, takes the given lines as the coloured piece (from the start of
// the first through the CR of the last) and runs ScrollToHighlight with visibleLines.
void ScrollToPiece(TextArea &area, int visibleLines, int topLine, int pieceLine, int pieceLines);

#pragma once
#include "reading/ClipboardMonitor.h"
#include "reading/LanguageDispatch.h"
#include "reading/ReadingController.h"
#include "reading/SentenceStepper.h"
#include "testsupport/FakeReadingView.h"
#include "testsupport/ManualClock.h"
#include "testsupport/ManualTimer.h"
#include "testsupport/MemoryClipboard.h"
#include "testsupport/MemoryTextArea.h"
#include "testsupport/ScriptedEngine.h"
#include <QStringList>

// The reading tab with scripted voices, manual timers and an in-memory clipboard. Re1 is given
// as a reference so that a test can hand in a text area of its own making.
struct ReadingFixture {
    explicit ReadingFixture(TextArea &re1) : re1(re1)
    {
        ChangeOptions([](ReadingController::Options &o) { o.ExtraPause = 0; });
    }

    TextArea &re1;
    MemoryTextArea re2;
    FakeReadingView view;
    SentenceStepper stepper;
    ScriptedEngine foreign, russian;
    LanguageDispatch dispatch{foreign, russian};
    ManualClock clock;
    ManualTimer tmSleep{&clock};
    ManualTimer tmBuffer{&clock};
    MemoryClipboard clipboard;
    ReadingController controller{view, re1, re2, stepper, dispatch, tmSleep, clipboard};
    ClipboardMonitor monitor{view, controller, re1, clipboard, tmBuffer};

    // The options of the sound tab, as their controls tell the controller of a change.
    template <typename Change>
    void ChangeOptions(Change change)
    {
        ReadingController::Options options = controller.CurrentOptions();
        change(options);
        controller.SetOptions(options);
    }

    // The piece being played, as "F:text" or "R:text" by its voice, or empty when both are silent.
    QString Playing() const
    {
        if (!foreign.Pending.isEmpty())
            return "F:" + foreign.Pending;
        if (!russian.Pending.isEmpty())
            return "R:" + russian.Pending;
        return {};
    }

    // The playing piece has been played to its end.
    void FinishPiece()
    {
        ScriptedEngine &engine = foreign.Pending.isEmpty() ? russian : foreign;
        engine.FinishUtterance();
    }

    // Plays every piece to its end, letting the extra pauses run out, and lists them in order.
    QStringList ReadToTheEnd(int limit = 100)
    {
        QStringList pieces;
        while (controller.ReadingActive() && pieces.size() < limit) {
            const QString piece = Playing();
            if (piece.isEmpty()) {
                if (!controller.ExtraPauseRunning())
                    break;
                clock.Advance(tmSleep.DueAt() - clock.Now);
                continue;
            }
            pieces << piece;
            FinishPiece();
        }
        return pieces;
    }
};

#include "testsupport/ObservedEngine.h"

ObservedEngine::ObservedEngine(std::unique_ptr<TDirectSS> observed, std::function<void()> heardEnd)
    : engine(std::move(observed)), heard(std::move(heardEnd))
{
    engine->OnAudioStop = [this](TDirectSS *, quint32 hi, quint32 lo) {
        heard();
        if (OnAudioStop)
            OnAudioStop(this, hi, lo);
    };
}

ObservedEngine::~ObservedEngine()
{
    engine->OnAudioStop = nullptr;
}

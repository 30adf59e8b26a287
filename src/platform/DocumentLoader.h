#pragma once
#include "DocumentConverter.h"
#include <functional>

// Converts documents away from the user-interface thread, one at a time, and hands each result
// back on the user-interface thread from its event loop.
class DocumentLoader {
public:
    using Delivery = std::function<void(ConvertedDocument document)>;

    virtual ~DocumentLoader() = default;
    // Starts converting path. A conversion still running is cancelled and never delivers; the new
    // one starts once it has ended, so two conversions never run side by side.
    virtual void Load(const QString &path, Delivery deliver) = 0;
    // The running conversion, if any, ends without delivering.
    virtual void Cancel() = 0;
    // From Load until its result is delivered or cancelled.
    virtual bool IsLoading() const = 0;
};

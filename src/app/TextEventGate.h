#pragma once
#include <utility>

// Whether the text area's change and selection events come from the user: not while the window
// is being built or a tab switch rebuilds the text area. Suppressions nest; each lasts as long as
// the Suppression it returned.
class TextEventGate {
public:
    class [[nodiscard]] Suppression {
    public:
        explicit Suppression(TextEventGate &gate) : gate(&gate) { ++gate.depth; }
        Suppression(Suppression &&other) noexcept : gate(std::exchange(other.gate, nullptr)) {}
        Suppression(const Suppression &) = delete;
        Suppression &operator=(const Suppression &) = delete;
        Suppression &operator=(Suppression &&) = delete;
        ~Suppression()
        {
            if (gate)
                --gate->depth;
        }

    private:
        TextEventGate *gate;
    };

    Suppression Suppress() { return Suppression(*this); }
    bool Suppressed() const { return depth > 0; }

private:
    int depth = 0;
};

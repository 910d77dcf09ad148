#pragma once

// The one way the program ends.
class Ending
{
public:
    virtual ~Ending() = default;
    // Closes every window, the hidden ones included, and leaves the event loop.
    virtual void endProgram() = 0;
    // True once endProgram() has run: from then on no handler acts.
    virtual bool hasEnded() const = 0;
};

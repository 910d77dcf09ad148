#pragma once

#include <string>

// Hands a target to the desktop, which opens it with its associated application.
class Shell
{
public:
    enum class Result {
        Started, // handed over (the desktop may still fail later, silently)
        FileNotFound, // the named file or folder does not exist
        Failed, // any other failure
    };

    virtual ~Shell() = default;
    // Opens a web or mail address, a folder, a document or a program as one argument; never waits for it.
    virtual Result run(const std::string &target) = 0;
};

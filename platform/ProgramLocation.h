#pragma once

#include <string>

// Where the running program lies.
class ProgramLocation
{
public:
    virtual ~ProgramLocation() = default;
    // The program's folder: no trailing separator except at a root ("/", "D:\").
    virtual std::string programDir() const = 0;
    // The program file's actual name, without its folder.
    virtual std::string programFileName() const = 0;
    // The desktop's path separator: '/' or '\'.
    virtual char separator() const = 0;
};

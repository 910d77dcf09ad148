#pragma once

#include <QString>

// Where the running program lies.
class ProgramLocation
{
public:
    virtual ~ProgramLocation() = default;
    // The program's folder: no trailing "/" except at the root "/".
    virtual QString programDir() const = 0;
    // The program file's actual name, without its folder.
    virtual QString programFileName() const = 0;
};

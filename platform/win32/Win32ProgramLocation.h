#pragma once

#include "platform/ProgramLocation.h"

// The running exe's folder and name, from GetModuleFileNameW.
class Win32ProgramLocation : public ProgramLocation
{
public:
    Win32ProgramLocation();
    std::string programDir() const override { return m_dir; }
    std::string programFileName() const override { return m_fileName; }
    char separator() const override { return '\\'; }

    // Splits a module path into its folder (a drive root keeps its "\") and file name.
    static void split(const std::string &path, std::string &dir, std::string &fileName);

private:
    std::string m_dir;
    std::string m_fileName;
};

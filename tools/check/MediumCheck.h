#pragma once

#include <optional>
#include <string>
#include <vector>

class FolderListing;

// What a medium's author should know before the medium is sent: each finding is tied
// to the line of "info.txt" it is about.
struct Finding
{
    enum class Kind { Warning, Error };
    int line = 1;
    Kind kind = Kind::Warning;
    std::string text;
};

// A check's whole result: the findings, and what the summary and the offered mends need.
struct MediumReport
{
    std::vector<Finding> findings;
    bool hasInformationFile = false;
    // The entries the file holds: whole pairs of fields after the count.
    int entries = 0;
    // The count disagrees with the entries the file holds, the file holds whole entries,
    // and nothing else is an error: writing the right count mends it.
    bool countIsTheOnlyError = false;
    // The errors about the medium's own files rather than its list (an older medium's Qt
    // left beside the start program): no mend of info.txt waits for them.
    int mediumErrors = 0;
};

// An information file's field as a path below the medium's folder, "\" and "/" both
// separators, its parts joined with "/" (empty for the folder itself); nothing when a
// ".." climbs above the medium.
std::optional<std::string> PathBelowMedium(const std::string &field);

// Checks a medium: "info.txt" read from its bytes exactly as the start program reads
// it, each entry's file looked up under the medium's folder (an absolute path with "/"
// separators). `infoBytes` is nothing when the file could not be read. Findings come
// in the order of their lines. `fileSystem` names the file system that holds the medium's
// folder, as MediumFiles::fileSystemType() gives it (empty when it is not known).
MediumReport InspectMedium(const std::string &mediumDir, const std::string *infoBytes, const FolderListing &folders,
                           const std::string &fileSystem = {});

// The findings alone.
std::vector<Finding> CheckMedium(const std::string &mediumDir, const std::string *infoBytes,
                                 const FolderListing &folders);

// One finding as compilers write theirs: "info.txt:LINE: error: text".
std::string formatFinding(const Finding &finding);

// Every finding, a line each, as the console prints them.
std::string formatFindings(const std::vector<Finding> &findings);

// One line in words an author understands: "Ready: 40 entries, no problems found."
std::string summaryLine(const MediumReport &report);

// 0 when there is nothing to report, 1 for warnings only, 2 when there is an error.
int exitStatus(const std::vector<Finding> &findings);

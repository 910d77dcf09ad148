#pragma once

// The check's own texts, the same in its console run and in its window. An "&" marks
// the access key of a caption.
namespace CheckTexts {

inline constexpr char WindowTitle[] = "Check a medium";
inline constexpr char FolderLabel[] = "&Medium folder:";
inline constexpr char ChooseFolder[] = "C&hoose folder\u2026";
inline constexpr char CheckAgain[] = "Check &again";
inline constexpr char OpenInformationFile[] = "&Open info.txt";
inline constexpr char Copy[] = "&Copy";
inline constexpr char MakeList[] = "Make the &list";
inline constexpr char SetCount[] = "&Set the count";
inline constexpr char MakeStartPage[] = "Make the start &page";
inline constexpr char Close[] = "Close";
inline constexpr char FindingsLabel[] = "&Findings:";
inline constexpr char LineColumn[] = "Line";
inline constexpr char KindColumn[] = "Kind";
inline constexpr char TextColumn[] = "Finding";
inline constexpr char Error[] = "error";
inline constexpr char Warning[] = "warning";
inline constexpr char NoFolder[] = "Choose the medium's folder, or drop it (or its info.txt) on this window.";

} // namespace CheckTexts

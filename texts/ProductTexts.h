#pragma once

// Fixed texts of the product that read the same in every language: the maker's
// name, addresses and notices, in UTF-8. The domain is a reserved example domain and the
// phone number is not a subscriber number, so nobody real is ever contacted.
namespace ProductTexts {

inline constexpr char ProgramVersion[] = "1.11UK";
inline constexpr char WindowCaption[] = "Startprogram";

inline constexpr char SupportPhone[] = "+45 00 00 00 00";
inline constexpr char SupportMail[] = "support@varnholt.example";

inline constexpr char MakerLine[] = "VARNHOLT DANMARK A/S";
inline constexpr char DepartmentLine[] = "Acoustics & Vibration Department";
inline constexpr char PurposeLine[] = "Program for running specified files from Varnholt.";
inline constexpr char VersionLinePrefix[] = "CD-start-program - version ";
// Shown after the copyright sign, in the About box and on the window's notice line.
inline constexpr char CopyrightNotice[] = " Varnholt Danmark A/S 2003. All rights reserved.";
inline constexpr char AuthorLine[] = "Programmed by Jens Aabjerg, Varnholt Danmark";
inline constexpr char AboutTitle[] = "About...";

inline constexpr char NationalHostCaption[] = "www.&varnholt-dk.example";
inline constexpr char InternationalHostCaption[] = "www.varnholt.&example";
inline constexpr char DepartmentMenuCaption[] = "Varnholt &Acoustics";

inline constexpr char GeneralMail[] = "info@varnholt.example";
inline constexpr char GeneralMailCaption[] = "Varnholt DK (info@varnholt.example)";
inline constexpr char ContactAMail[] = "mette.kjaer@varnholt.example";
inline constexpr char ContactACaption[] = "Mette Kjær (mette.kjaer@varnholt.example)";
inline constexpr char ContactBMail[] = "soeren.dal@varnholt.example";
inline constexpr char ContactBCaption[] = "Søren Dal (soeren.dal@varnholt.example)";

inline constexpr char UsagePage[] = "Presumptions.htm";
inline constexpr char DefaultStartPage[] = "index.htm";

// What a screen reader hears for the pictures: the banner by the product it shows, the
// picture buttons by what they do (their tooltips too).
inline constexpr char ProductName[] = "Zezuzav Quillmere";
inline constexpr char GoButtonName[] = "Go!";
inline constexpr char ExitButtonName[] = "Exit";
inline constexpr char ShortcutName[] = "Zezuzav - Quillmere";
inline constexpr char ShortcutDescription[] = "Zezuzav Quillmere - StartupProgram";

} // namespace ProductTexts

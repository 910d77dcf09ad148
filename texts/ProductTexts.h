#pragma once

// Fixed texts of the product that read the same in every language: the maker's
// name, addresses and notices. The domain is a reserved example domain and the
// phone number is not a subscriber number, so nobody real is ever contacted.
namespace ProductTexts {

inline constexpr char16_t ProgramVersion[] = u"1.11UK";
inline constexpr char16_t WindowCaption[] = u"Startprogram";

inline constexpr char16_t SupportPhone[] = u"+45 00 00 00 00";
inline constexpr char16_t SupportMail[] = u"support@varnholt.example";

inline constexpr char16_t MakerLine[] = u"VARNHOLT DANMARK A/S";
inline constexpr char16_t DepartmentLine[] = u"Acoustics & Vibration Department";
inline constexpr char16_t PurposeLine[] = u"Program for running specified files from Varnholt.";
inline constexpr char16_t VersionLinePrefix[] = u"CD-start-program - version ";
// Shown after the copyright sign, in the About box and on the window's notice line.
inline constexpr char16_t CopyrightNotice[] = u" Varnholt Danmark A/S 2003. All rights reserved.";
inline constexpr char16_t AuthorLine[] = u"Programmed by Jens Aabjerg, Varnholt Danmark";
inline constexpr char16_t AboutTitle[] = u"About...";

inline constexpr char16_t NationalHostCaption[] = u"www.&varnholt-dk.example";
inline constexpr char16_t InternationalHostCaption[] = u"www.varnholt.&example";
inline constexpr char16_t DepartmentMenuCaption[] = u"Varnholt &Acoustics";

inline constexpr char16_t GeneralMail[] = u"info@varnholt.example";
inline constexpr char16_t GeneralMailCaption[] = u"Varnholt DK (info@varnholt.example)";
inline constexpr char16_t ContactAMail[] = u"mette.kjaer@varnholt.example";
inline constexpr char16_t ContactACaption[] = u"Mette Kjær (mette.kjaer@varnholt.example)";
inline constexpr char16_t ContactBMail[] = u"soeren.dal@varnholt.example";
inline constexpr char16_t ContactBCaption[] = u"Søren Dal (soeren.dal@varnholt.example)";

inline constexpr char16_t UsagePage[] = u"Presumptions.htm";
inline constexpr char16_t DefaultStartPage[] = u"index.htm";

inline constexpr char16_t ShortcutName[] = u"Zezuzav - Quillmere";
inline constexpr char16_t ShortcutDescription[] = u"Zezuzav Quillmere - StartupProgram";

} // namespace ProductTexts

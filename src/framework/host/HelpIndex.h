#pragma once

#include <QStringList>
#include <QUrl>

// Which page of the program's help text a keyword opens. Pages are resources under
// ":/help/"; keywords compare without regard to letter case or surrounding blanks, and an
// unknown keyword opens the contents page.
namespace HelpIndex {

inline constexpr const char* ContentsKeyword = "wlp32pe.hlp";
inline constexpr const char* HowToUseHelpKeyword = "How to use help";

// The page's file name, such as "archive.html".
QString pageFor(const QString& keyword);
// The page as an address the help viewer opens ("qrc:/help/archive.html").
QUrl urlFor(const QString& keyword);
// Every keyword that has a page, as written.
QStringList keywords();

} // namespace HelpIndex

#pragma once

#include <QString>

// The website opener: looks a producer up by name and opens its website with the desktop's
// browser; an empty name opens the product's own home page. Website texts are opened only as
// http, https or mailto addresses ("www.example.com" as https); anything else is refused
// with a message, never handed to the shell as a file or command.
namespace Website {

// The product's own home page.
constexpr const char* HomePage = "https://www.wareloft.org/";
// Characters of a producer's name that are looked up.
constexpr int NameLength = 30;

// Message captions of the opener.
constexpr const char* UnknownCaption = "WLP Archive";
constexpr const char* Caption = "WLP Message";

// Opens now; true when an address went to the shell (whether the shell managed is not told).
bool Open(const QString& producerName);
// On a thread number of its own: returns at once; the lookup and its messages follow when
// the caller's event has been handled.
void Start(const QString& producerName);

} // namespace Website

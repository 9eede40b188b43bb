#pragma once

#include <QString>

// The application's own message boxes: captioned "Wareloft", a notice with the information
// icon and OK, a question with the exclamation icon and "&Yes|&No".
namespace Notices {

constexpr const char* Caption = "Wareloft";

void notice(const QString& text, const QString& caption = Caption);
// True for "&Yes". `defaultYes` chooses the default button.
bool ask(const QString& text, bool defaultYes = false, const QString& caption = Caption);

} // namespace Notices

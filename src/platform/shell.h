#pragma once

#include <QString>

namespace ixo {

// The product homepage: the program's own manual, an HTML page in the program folder that can be read
// offline. The Help menu opens it and the About box names it.
QString HomepageAddress();

// Opens an address in the default web browser; the outcome is not reported.
void OpenInBrowser(const QString &address);

// Test seam: when on, addresses are recorded instead of opened.
void SetBrowserTestMode(bool on);
QString LastOpenedAddress();

} // namespace ixo

#pragma once

#include <QString>

#include <functional>

namespace qn::toolkit {

// Opens a web page or a new mail in the platform's handler. A missing browser or mail
// program is of no consequence to the user's figures, so failures are ignored. With
// QUENNARY_NO_BROWSER set (tests, headless runs) nothing is started.
void openAddress(const QString& address);

// Replaces how addresses are opened (tests record them); returns the previous opener. An
// empty function restores the platform's handler.
using AddressOpener = std::function<void(const QString& address)>;
AddressOpener setAddressOpener(AddressOpener opener);

} // namespace qn::toolkit

#include "toolkit/open_address.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace qn::toolkit {

namespace {
AddressOpener& opener()
{
    static AddressOpener current;
    return current;
}
} // namespace

AddressOpener setAddressOpener(AddressOpener replacement)
{
    return std::exchange(opener(), std::move(replacement));
}

void openAddress(const QString& address)
{
    if (opener()) {
        opener()(address);
        return;
    }
    if (qEnvironmentVariableIsSet("QUENNARY_NO_BROWSER"))
        return;
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace qn::toolkit

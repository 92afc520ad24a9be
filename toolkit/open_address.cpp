#include "toolkit/open_address.h"

#include "toolkit/seam.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace qn::toolkit {

AddressOpener setAddressOpener(AddressOpener replacement)
{
    return replaceSeam(std::move(replacement));
}

void openAddress(const QString& address)
{
    if (const AddressOpener& opener = seam<AddressOpener>()) {
        opener(address);
        return;
    }
    if (qEnvironmentVariableIsSet("QUENNARY_NO_BROWSER"))
        return;
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace qn::toolkit

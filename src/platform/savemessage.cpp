#include "platform/savemessage.h"

#include "platform/services.h"

namespace platform {

bool reportSave(const store::SaveResult &result)
{
    if (!result.saved())
        errorMessage(store::saveFailureText(result));
    return result.saved();
}

} // namespace platform

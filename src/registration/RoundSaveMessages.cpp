#include "registration/RoundSaveMessages.h"

#include "platform/storemessages.h"

namespace registration {

void tellNotSaved(const SaveResult &result)
{
    switch (result.refusal) {
    case Refusal::None:
        break;
    case Refusal::NotRead:
        for (const store::FileStatus &status : result.loaded.toTell)
            platform::tell(status);
        break;
    case Refusal::FilesDiffer:
        platform::tellRoundFilesDiffer();
        break;
    case Refusal::Full:
        platform::tellRoundLimit();
        break;
    case Refusal::NotWritten:
        platform::reportSave(result.written);
        break;
    }
}

} // namespace registration

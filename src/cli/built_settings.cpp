#include "cli/built_settings.h"

#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/settings_description.h"
#include "cli/settings_text.h"
#include "cli/text.h"
#include "form/settings_record.h"
#include "link/detection_status.h"

#include <cstdio>

namespace zor::cli {

std::string BuildRefusal(const BuildResult& built) {
    return built.failure.step == 0 ? std::string("no main function selected")
                                   : "refused: " + Utf8(built.failure.message);
}

int SaveBuiltImage(FormModel& form, const std::string& path) {
    const BuildResult built = BuildImage(form);
    if (!built.ok) {
        PrintError(BuildRefusal(built));
        return exitCheckRefused;
    }
    const int saved = SaveImage(path, built.image.bytes.data(), built.image.length);
    if (saved == exitOk)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), Utf8(BytesWrittenText(built.image.length)).c_str());
    return saved;
}

int RefuseUnsendableFile(const std::string& path, const ReplyOutcome& file) {
    const BuildResult check = CheckFileContent(file);
    if (check.ok) return exitOk;
    PrintError(path + ": " + BuildRefusal(check));
    return exitCheckRefused;
}

} // namespace zor::cli

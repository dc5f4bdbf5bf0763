#include "editors/libraryfiles.h"

#include "platform/programpaths.h"
#include "platform/prompter.h"

std::optional<QString> ChooseLibraryFile(const QString& extension, bool save) {
    prompt::FileRequest request;
    request.save = save;
    request.folder = GetLibraryPath();
    request.filter = save ? "*." + extension : "FILE(*." + extension + ")";
    request.defaultSuffix = extension;
    return prompt::ChooseFile(request);
}

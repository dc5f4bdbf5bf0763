// Project files of the main window: New, Open, Save, Save as, and the
// project named on the command line.
//
// A project file is read whole into a ProjectFile before the window looks
// at it, so a short or damaged file changes nothing: not the keys, boxes,
// model, lists, current project nor title. Files are written through a save
// file, so a failed save leaves the old file whole.
#include "app/cqvmview2listctrl.h"
#include "app/cqvmview4listctrl.h"
#include "app/cravloapp.h"
#include "app/cravlodlg.h"
#include "model/projectfile.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"

#include <QComboBox>
#include <utility>

namespace {

constexpr const char* kProgramTitle = "Vorle-Control";

// The file dialogs start in the current project's folder, else in the
// Library folder.
prompt::FileRequest ProjectFileRequest(bool save) {
    prompt::FileRequest request;
    request.save = save;
    request.folder = g_strProjectFolder.isEmpty() ? GetLibraryPath() : g_strProjectFolder;
    request.filter = save ? QStringLiteral("*.dvp") : QStringLiteral("(*.dvp)");
    request.defaultSuffix = QStringLiteral("dvp");
    return request;
}

// The path up to its last separator; empty when it has none.
QString FolderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

} // namespace

bool CravloDlg::WriteProject(const QString& path) {
    ProjectFile project;
    project.m_nDeviceId = m_nDeviceId;
    project.m_nPortMode = m_nPortMode;
    project.m_nSelKey = m_nSelKey;
    project.m_nSelSlot = m_nSelSlot;
    project.m_nModel = m_nModel;
    for (int i = 0; i < kKeyCount; ++i)
        project.m_keys[size_t(i)] = m_keys[size_t(i)];
    if (project.Write(path))
        return true;
    prompt::MessageBox("Can Not Open The File");
    return false;
}

bool CravloDlg::OnFileSaveAs() {
    const std::optional<QString> path = prompt::ChooseFile(ProjectFileRequest(true));
    if (!path || !WriteProject(*path))
        return false;
    g_strProjectFolder = FolderOf(*path);
    g_strProjectPath = *path;
    setWindowTitle(g_strProjectPath);
    return true;
}

void CravloDlg::OnFileSave() {
    if (g_strProjectFolder.isEmpty()) {
        OnFileSaveAs();
        return;
    }
    WriteProject(g_strProjectPath);
}

void CravloDlg::OnFileOpen() {
    const std::optional<QString> path = prompt::ChooseFile(ProjectFileRequest(false));
    if (!path || !LoadProject(*path))
        return;
    g_strProjectPath = *path;
    g_strProjectFolder = FolderOf(*path);
    setWindowTitle(g_strProjectPath);
}

bool CravloDlg::LoadProject(const QString& path) {
    std::optional<ProjectFile> project = ProjectFile::Read(path);
    if (!project) {
        prompt::MessageBox("The File is Destroy");
        return false;
    }
    m_nDeviceId = project->m_nDeviceId;
    m_nPortMode = project->m_nPortMode;
    m_nSelKey = project->m_nSelKey;
    m_nSelSlot = project->m_nSelSlot;
    m_nModel = project->m_nModel;
    // A value without an entry leaves its box without a selection; the value
    // itself is kept and saved again.
    m_comboDeviceId->setCurrentIndex(m_nDeviceId >= 0 && m_nDeviceId < m_comboDeviceId->count() ? m_nDeviceId
                                                                                                : -1);
    m_comboPortMode->setCurrentIndex(m_nPortMode >= 0 && m_nPortMode < m_comboPortMode->count() ? m_nPortMode
                                                                                                : -1);
    ClearAllKeys();
    BuildPanel();
    ApplyModel(m_nModel, m_nPortMode);
    // The file's records overwrite what the panel builder set: names,
    // captions, kinds and colours included.
    for (int i = 0; i < kKeyCount; ++i) {
        CBaseButton& key = m_keys[size_t(i)];
        static_cast<KeyRecord&>(key) = std::move(project->m_keys[size_t(i)]);
        key.update();
    }
    m_listAction->RefreshAll();
    m_listAction->Sort(0);
    // Row 0 becomes the selected key action and shows its events; with no
    // rows the selected key and slot stay as the file gave them.
    if (m_listAction->GetItemCount() > 0)
        m_listAction->SelectItem(0);
    return true;
}

void CravloDlg::OnFileNew() {
    // A plain question with its own caption: no icon.
    const prompt::Answer answer =
        prompt::MessageBox("Save the File in Editting?", prompt::Buttons::YesNoCancel,
                           "Attention:", prompt::Answer::No, prompt::Icon::None);
    if (answer == prompt::Answer::Cancel)
        return;
    if (answer == prompt::Answer::Yes)
        OnFileSaveAs(); // a cancelled or failed save still goes on
    if (!RunSystemPanel())
        return;
    // The new project starts as the program does: fresh keys on the model-0
    // panel, no device ID, the first key action slot selected, and no file,
    // so that Save asks for a name.
    for (CBaseButton& key : m_keys)
        static_cast<KeyRecord&>(key) = KeyRecord();
    ClearAllKeys();
    BuildPanelModel0();
    ApplyModel(0, m_nPortMode);
    m_nDeviceId = 0;
    m_comboDeviceId->setCurrentIndex(0);
    m_nSelKey = 0;
    m_nSelSlot = 0;
    g_strProjectFolder.clear();
    g_strProjectPath.clear();
    setWindowTitle(QString::fromLatin1(kProgramTitle));
}

#include "platform/qt/open_file_dialog.h"
#include "platform/qt/modal_loop.h"
#include "platform/qt/window_handle.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>

namespace {

// "Description (pattern)" for each pair of the NUL-separated list.
QStringList NameFilters(const char* list)
{
    QStringList filters;
    while (list && *list) {
        const char* description = list;
        const char* pattern = description + std::strlen(description) + 1;
        if (!*pattern)
            break;
        filters << QString::fromLocal8Bit(description) + " (" + QString::fromLocal8Bit(pattern) + ")";
        list = pattern + std::strlen(pattern) + 1;
    }
    return filters;
}

void OfferInitialName(QFileDialog& dialog, const OPENFILENAMEA& request)
{
    if (request.lpstrInitialDir && *request.lpstrInitialDir)
        dialog.setDirectory(QFile::decodeName(request.lpstrInitialDir));
    if (!request.lpstrFile || !*request.lpstrFile)
        return;
    QString name = QFile::decodeName(request.lpstrFile);
    QFileInfo info(name);
    if (name.contains('/'))
        dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
}

// Copies the chosen path into the request's buffer; false when it does
// not fit with its NUL.
bool ReturnPath(OPENFILENAMEA& request, const QString& path)
{
    QByteArray bytes = QFile::encodeName(path);
    if (!request.lpstrFile || static_cast<DWORD>(bytes.size()) + 1 > request.nMaxFile)
        return false;
    std::memcpy(request.lpstrFile, bytes.constData(), static_cast<std::size_t>(bytes.size()) + 1);
    int slash = bytes.lastIndexOf('/');
    int dot = bytes.lastIndexOf('.');
    request.nFileOffset = static_cast<WORD>(slash + 1);
    request.nFileExtension = static_cast<WORD>(dot > slash ? dot + 1 : bytes.size());
    return true;
}

BOOL ShowQtFileDialog(OPENFILENAMEA* request)
{
    QWidget* owner = WidgetFromHandle(request->hwndOwner);
    QFileDialog dialog(owner, QString::fromLocal8Bit(request->lpstrTitle ? request->lpstrTitle : "Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((request->Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters = NameFilters(request->lpstrFilter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        int index = request->nFilterIndex > 0 ? static_cast<int>(request->nFilterIndex) - 1 : 0;
        dialog.selectNameFilter(filters.value(index, filters.front()));
    }
    // Qt wants the default extension without its dot.
    if (request->lpstrDefExt && *request->lpstrDefExt)
        dialog.setDefaultSuffix(QString::fromLocal8Bit(request->lpstrDefExt).remove(QRegularExpression("^\\.")));
    OfferInitialName(dialog, *request);
    dialog.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);

    RunUntilFinished(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return FALSE;
    return ReturnPath(*request, dialog.selectedFiles().front()) ? TRUE : FALSE;
}

open_file_dialog::Handler& CurrentHandler()
{
    static open_file_dialog::Handler handler;
    return handler;
}

} // namespace

BOOL GetOpenFileNameA(OPENFILENAMEA* request)
{
    if (CurrentHandler())
        return CurrentHandler()(request);
    return ShowQtFileDialog(request);
}

open_file_dialog::Handler open_file_dialog::SetHandler(Handler handler)
{
    Handler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

#include "platform/qt/paint_dc.h"
#include "platform/qt/cwnd.h"
#include "platform/qt/device_context.h"
#include "platform/qt/icon_handle.h"
#include "platform/qt/resource_module.h"
#include "platform/qt/window_handle.h"

#include <map>
#include <memory>
#include <utility>

CPaintDC::CPaintDC(CWnd* window)
    : m_hDC(new DeviceContext)
{
    HWND handle = window ? window->m_hWnd : nullptr;
    if (handle && handle->painting && handle->widget)
        m_hDC->painter = std::make_unique<QPainter>(handle->widget.data());
}

CPaintDC::~CPaintDC() { delete m_hDC; }

LRESULT EraseBackground(HDC dc, QWidget* widget)
{
    if (!dc || !dc->painter || !widget)
        return 0;
    dc->painter->fillRect(widget->rect(), widget->palette().window());
    return 1;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon)
{
    if (!dc || !dc->painter || !icon)
        return FALSE;
    dc->painter->drawImage(QPoint(x, y), icon->Large());
    return TRUE;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}

HICON LoadIconA(HINSTANCE, UINT id)
{
    // Resource icons are shared and live as long as the program.
    static std::map<std::pair<const ResourceModule*, UINT>, std::unique_ptr<IconHandle>> loaded;
    const ResourceModule* module = GetResourceModule();
    const IconResource* resource = module ? module->FindIcon(id) : nullptr;
    if (!resource)
        return nullptr;
    auto& slot = loaded[{ module, id }];
    if (!slot) {
        slot = std::make_unique<IconHandle>();
        for (const XpmImage& image : resource->images)
            slot->images.emplace_back(image.xpm);
    }
    return slot.get();
}

QIcon IconHandle::ToIcon() const
{
    QIcon icon;
    for (const QImage& image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QImage IconHandle::Large() const
{
    for (const QImage& image : images)
        if (image.width() == 32 && image.height() == 32)
            return image;
    return images.empty() ? QImage() : images.front().scaled(32, 32);
}

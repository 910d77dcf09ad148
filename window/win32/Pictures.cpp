#include "window/win32/Pictures.h"

#include "platform/win32/ScopedWin.h"
#include "platform/win32/SystemLibrary.h"

#include <shlwapi.h>

namespace Pictures {

namespace {

// The few entries of the GDI+ flat API used here, declared by hand so that nothing
// links against gdiplus.dll.
struct GdiplusStartupInput
{
    UINT32 GdiplusVersion = 1;
    void *DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};
using GpBitmap = void;
using GdiplusStartupFn = int(WINAPI *)(ULONG_PTR *, const GdiplusStartupInput *, void *);
using GdiplusShutdownFn = void(WINAPI *)(ULONG_PTR);
using CreateBitmapFromStreamFn = int(WINAPI *)(IStream *, GpBitmap **);
using CreateHBITMAPFromBitmapFn = int(WINAPI *)(GpBitmap *, HBITMAP *, DWORD);
using DisposeImageFn = int(WINAPI *)(void *);

// GDI+ for the length of one decoding.
class ScopedGdiPlus
{
public:
    // GDI+ may decode through the Windows Imaging Component, which COM loads by its bare
    // name, from the program's folder first: have the system's copy loaded before, so
    // that the name is taken.
    ScopedGdiPlus()
        : m_codecs(SystemLibrary::load(L"windowscodecs.dll"))
        , m_library(SystemLibrary::load(L"gdiplus.dll"))
    {
        startup = SystemLibrary::function<GdiplusStartupFn>(m_library.get(), "GdiplusStartup");
        shutdown = SystemLibrary::function<GdiplusShutdownFn>(m_library.get(), "GdiplusShutdown");
        createBitmap = SystemLibrary::function<CreateBitmapFromStreamFn>(m_library.get(), "GdipCreateBitmapFromStream");
        createHBitmap
            = SystemLibrary::function<CreateHBITMAPFromBitmapFn>(m_library.get(), "GdipCreateHBITMAPFromBitmap");
        dispose = SystemLibrary::function<DisposeImageFn>(m_library.get(), "GdipDisposeImage");
        // Without the imaging component (Wine's GDI+ needs it and aborts on a call into a
        // missing one) there are no pictures rather than no program.
        if (!m_codecs || !startup || !shutdown || !createBitmap || !createHBitmap || !dispose)
            return;
        GdiplusStartupInput input;
        m_started = startup(&m_token, &input, nullptr) == 0;
    }
    ~ScopedGdiPlus()
    {
        if (m_started)
            shutdown(m_token);
    }
    ScopedGdiPlus(const ScopedGdiPlus &) = delete;
    ScopedGdiPlus &operator=(const ScopedGdiPlus &) = delete;
    bool ok() const { return m_started; }

    GdiplusStartupFn startup = nullptr;
    GdiplusShutdownFn shutdown = nullptr;
    CreateBitmapFromStreamFn createBitmap = nullptr;
    CreateHBITMAPFromBitmapFn createHBitmap = nullptr;
    DisposeImageFn dispose = nullptr;

private:
    ScopedLibrary m_codecs;
    ScopedLibrary m_library;
    ULONG_PTR m_token = 0;
    bool m_started = false;
};

} // namespace

HBITMAP loadBitmap(HINSTANCE instance, int id)
{
    return static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HBITMAP decode(HINSTANCE instance, int id, COLORREF background)
{
    HRSRC info = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL resource = info ? LoadResource(instance, info) : nullptr;
    const void *data = resource ? LockResource(resource) : nullptr;
    const DWORD size = info ? SizeofResource(instance, info) : 0;
    if (!data || size == 0)
        return nullptr;

    ScopedGdiPlus gdiplus;
    if (!gdiplus.ok())
        return nullptr;
    ScopedComPtr<IStream> stream;
    stream.attach(SHCreateMemStream(static_cast<const BYTE *>(data), size));
    if (!stream)
        return nullptr;
    GpBitmap *bitmap = nullptr;
    if (gdiplus.createBitmap(stream.get(), &bitmap) != 0 || !bitmap)
        return nullptr;
    HBITMAP result = nullptr;
    const DWORD argb
        = 0xFF000000u | (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    if (gdiplus.createHBitmap(bitmap, &result, argb) != 0)
        result = nullptr;
    gdiplus.dispose(bitmap);
    return result;
}

void drawStretched(HDC dc, HBITMAP picture, const RECT &box)
{
    BITMAP info {};
    if (!picture || !GetObjectW(picture, sizeof info, &info))
        return;
    ScopedMemoryDC source(dc);
    ScopedSelectObject selected(source, picture);
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT oldOrigin {};
    SetBrushOrgEx(dc, 0, 0, &oldOrigin); // HALFTONE needs the brush origin reset
    StretchBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, source, 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
}

} // namespace Pictures

// The drawing objects and device contexts behind GDI handles, and the tables that hold them.
#pragma once
#include <memory>

#include "platform/gdi/font_face.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/rasterizer.h"
#include "platform/gdi/surface.h"
#include "platform/win/handle_table.h"

enum class GdiKind { Pen, Brush, Bitmap, Font };

struct GdiObject {
    GdiKind kind = GdiKind::Pen;
    bool stock = false;
    int selections = 0;   // DCs that have it selected; such an object is not deleted
    // Pen and brush
    int style = PS_SOLID;
    int width = 0;
    COLORREF colour = 0;
    bool hollow = false;
    // Bitmap
    Surface pixels;
    // Font
    LOGFONTA logfont;
    std::shared_ptr<FontFace> face;
};

struct DeviceContext {
    bool memory = false;
    HWND window = 0;
    // A window DC finds its window's pixels when it first draws or reads, so one taken only to
    // measure text makes no window surface; until then `placed` is false.
    bool client = true;
    mutable bool placed = true;
    mutable Surface* target = nullptr;   // window and surface DCs; memory DCs draw into their bitmap
    mutable POINT origin;
    mutable RECT clip;
    HGDIOBJ pen = 0, brush = 0, font = 0, bitmap = 0;
    POINT position;
    int rop2 = R2_COPYPEN;
    int bkMode = OPAQUE;
    COLORREF bkColour = 0xFFFFFF;
    COLORREF textColour = 0;
    UINT textAlign = TA_LEFT | TA_TOP;
    int dashPhase = 0;   // styled lines continue their pattern from one LineTo to the next
};

class GdiTables {
public:
    static GdiTables& Instance();

    HandleTable<GdiObject> objects{HandleTag::GdiObject};
    HandleTable<DeviceContext> dcs{HandleTag::DeviceContext};

    HGDIOBJ Stock(int which);
    HGDIOBJ DefaultBitmap();
    GdiObject* Object(HGDIOBJ h) const { return objects.Get(h); }
    DeviceContext* DC(HDC h) const { return dcs.Get(h); }
    int StockCount() const { return stockCount_; }

    // Where the pixels of window DCs are.
    WindowSurfaceResolver windowResolver;

    // Where a DC draws and what it may touch, in surface coordinates; a window DC is placed by
    // the first of these asked.
    Surface* TargetOf(const DeviceContext& dc) const;
    RECT ClipOf(const DeviceContext& dc) const;

private:
    GdiTables();
    HGDIOBJ MakeStock(GdiObject object);
    HGDIOBJ stock_[20] = {};
    HGDIOBJ defaultBitmap_ = 0;
    int stockCount_ = 0;
};

// What a DC's selected objects and target mean for the rasterizer.
PixelTarget TargetFor(const DeviceContext& dc);
PenSpec PenOf(const DeviceContext& dc);
BrushSpec BrushOf(const DeviceContext& dc);
LineBackground BackgroundOf(const DeviceContext& dc);

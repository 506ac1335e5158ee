#pragma once

// Image lists: a row of equally sized images, each with an optional mask, that menus, tabs,
// tool buttons and tree or list views draw by index.
//
// A control that refers to an image list must ask for free notification
// (images->FreeNotification(this)) and clear its reference in Notification(opRemove); to follow
// changes of the images it registers a TChangeLink.

#include "Graphics.h"

#include <QImage>

#include <algorithm>
#include <vector>

class TCustomImageList;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };
PTypeInfo TypeInfoTDrawingStyle();
PTypeInfo TypeInfoTImageType();

// Tells its holder when the images of the list it is registered with change. The list
// unregisters every link when it is freed, so Sender never dangles.
class TChangeLink : public TObject
{
    Z_CLASS(TChangeLink)
public:
    TChangeLink() = default;
    ~TChangeLink() override;

    TCustomImageList *Sender() const { return m_sender; } // not owned
    TNotifyEvent OnChange;

    // Framework-internal: set by RegisterChanges and UnRegisterChanges.
    void SetSender(TCustomImageList *list) { m_sender = list; }
    void Change();

private:
    TCustomImageList *m_sender = nullptr;
};

class TCustomImageList : public TComponent
{
    Z_CLASS(TCustomImageList)
public:
    explicit TCustomImageList(TComponent *owner);
    ~TCustomImageList() override;

    // Changing the image size empties the list: its images no longer fit.
    int Width() const { return m_width; }
    void SetWidth(int width);
    int Height() const { return m_height; }
    void SetHeight(int height);
    void SetSize(int width, int height);
    int AllocBy() const { return m_allocBy; }
    void SetAllocBy(int v) { m_allocBy = std::max(1, v); }
    // The colour drawn behind the images' transparent pixels; clNone leaves them transparent.
    TColor BkColor() const { return m_bkColor; }
    void SetBkColor(TColor color);
    // The colour dsFocus and dsSelected blend the image with; clNone blends with the
    // highlight colour.
    TColor BlendColor() const { return m_blendColor; }
    void SetBlendColor(TColor color);
    TDrawingStyle DrawingStyle() const { return m_drawingStyle; }
    void SetDrawingStyle(TDrawingStyle style);
    // itMask draws the masks (black where an image is opaque) instead of the images.
    TImageType ImageType() const { return m_imageType; }
    void SetImageType(TImageType type);
    // Whether images keep a mask; an unmasked list draws every pixel of its images.
    bool Masked() const { return m_masked; }
    void SetMasked(bool masked);
    bool ShareImages() const { return m_shareImages; }
    void SetShareImages(bool v) { m_shareImages = v; }

    int Count() const { return int(m_images.size()); }

    // Adds the image, cut into as many Width-wide images as it holds (at least one). In the
    // mask, white pixels are transparent and black ones opaque; without a mask every pixel is
    // opaque. Returns the index of the first added image.
    int Add(TBitmap *image, TBitmap *mask);
    // Like Add, with the pixels of maskColor transparent; clDefault takes the colour of the
    // image's bottom-left pixel.
    int AddMasked(TBitmap *image, TColor maskColor);
    // Adds each image of another list.
    void AddImages(TCustomImageList *list);
    void Insert(int index, TBitmap *image, TBitmap *mask);
    void InsertMasked(int index, TBitmap *image, TColor maskColor);
    void Replace(int index, TBitmap *image, TBitmap *mask);
    void ReplaceMasked(int index, TBitmap *image, TColor maskColor);
    // -1 deletes every image. Raises EInvalidOperation for an index out of range.
    void Delete(int index);
    // The image at curIndex goes to newIndex; those in between shift by one.
    void Move(int curIndex, int newIndex);
    void Clear();

    // Sizes image to Width x Height and draws image index on it.
    void GetBitmap(int index, TBitmap *image);
    // Black where image index is opaque, white where it is transparent.
    void GetMask(int index, TBitmap *mask);
    // Image index with its transparent pixels at alpha 0 (framework-internal and for editors).
    QImage Image(int index) const;

    // Draws image index at (x, y) in the drawing style; a disabled image is drawn embossed
    // in the shadow and highlight colours.
    void Draw(TCanvas *canvas, int x, int y, int index, bool enabled = true);
    void Draw(QPainter &painter, int x, int y, int index, bool enabled = true);

    // Copies another image list: image size, settings and every image.
    void Assign(TPersistent *source) override;

    void RegisterChanges(TChangeLink *link);
    void UnRegisterChanges(TChangeLink *link);

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    struct Entry
    {
        QImage image; // ARGB32, Width x Height, original colours
        QImage mask;  // Grayscale8, Width x Height: 255 where transparent
    };
    void CheckIndex(int index) const;
    // The images the bitmap holds, cut to Width x Height, masked by mask or by maskColor.
    std::vector<Entry> Slice(TBitmap *image, TBitmap *mask, bool byColor, TColor maskColor) const;
    void InsertEntries(int index, std::vector<Entry> entries);
    QImage Composed(const Entry &entry, bool enabled) const;

    int m_width = 16;
    int m_height = 16;
    int m_allocBy = 4;
    TColor m_bkColor = clNone;
    TColor m_blendColor = clNone;
    TDrawingStyle m_drawingStyle = dsNormal;
    TImageType m_imageType = itImage;
    bool m_masked = true;
    bool m_shareImages = false;
    std::vector<Entry> m_images;
    std::vector<TChangeLink *> m_links; // not owned
};

// The list that drags show images of; here it draws like any other image list.
class TDragImageList : public TCustomImageList
{
    Z_CLASS(TDragImageList)
public:
    explicit TDragImageList(TComponent *owner);

    // A TCursor value (Controls.h).
    int DragCursor() const { return m_dragCursor; }
    void SetDragCursor(int cursor) { m_dragCursor = cursor; }

private:
    int m_dragCursor = 0; // crDefault
};

class TImageList : public TDragImageList
{
    Z_CLASS(TImageList)
public:
    explicit TImageList(TComponent *owner);
};

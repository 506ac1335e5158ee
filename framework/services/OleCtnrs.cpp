#include "OleCtnrs.h"

#include "ClassicDraw.h"
#include "ControlProps.h"
#include "Dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>

namespace {

enum class Kind { Image, Text, Media, Other };

struct FileKind
{
    const char *extension;
    const char *typeName;
    Kind kind;
};

constexpr FileKind kKinds[] = {
    {"png", "PNG image", Kind::Image},       {"bmp", "Bitmap image", Kind::Image},
    {"jpg", "JPEG image", Kind::Image},      {"jpeg", "JPEG image", Kind::Image},
    {"gif", "GIF image", Kind::Image},       {"ico", "Icon", Kind::Image},
    {"xpm", "XPM image", Kind::Image},       {"svg", "SVG drawing", Kind::Other},
    {"txt", "Text document", Kind::Text},    {"pas", "Pascal source", Kind::Text},
    {"csv", "CSV table", Kind::Text},        {"ini", "Settings file", Kind::Text},
    {"htm", "HTML document", Kind::Text},    {"html", "HTML document", Kind::Text},
    {"rtf", "Rich text document", Kind::Other}, {"pdf", "PDF document", Kind::Other},
    {"odt", "OpenDocument text", Kind::Other}, {"ods", "OpenDocument spreadsheet", Kind::Other},
    {"wav", "Wave sound", Kind::Media},      {"mid", "MIDI sequence", Kind::Media},
    {"mp3", "MP3 audio", Kind::Media},       {"ogg", "Ogg audio", Kind::Media},
    {"avi", "Video clip", Kind::Media},      {"mp4", "Video clip", Kind::Media},
    {"zip", "ZIP archive", Kind::Other},
};

const FileKind *FindKind(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    for (const FileKind &k : kKinds) {
        if (ext == QLatin1String(k.extension))
            return &k;
    }
    return nullptr;
}

// The object's place inside the border.
QRect Inner(const QRect &client, TFormBorderStyle style)
{
    return style == bsSingle ? client.adjusted(2, 2, -2, -2) : client;
}

} // namespace

QString OleTypeNameOf(const QString &fileName)
{
    if (const FileKind *k = FindKind(fileName))
        return QString::fromLatin1(k->typeName);
    const QString ext = QFileInfo(fileName).suffix();
    return ext.isEmpty() ? QStringLiteral("File") : ext.toUpper() + QStringLiteral(" file");
}

QStringList OleVerbsOf(const QString &fileName)
{
    const FileKind *k = FindKind(fileName);
    const Kind kind = k ? k->kind : Kind::Other;
    switch (kind) {
    case Kind::Image:
    case Kind::Text:
        return {QStringLiteral("&Open"), QStringLiteral("&Edit")};
    case Kind::Media:
        return {QStringLiteral("&Play"), QStringLiteral("&Open")};
    default:
        return {QStringLiteral("&Open")};
    }
}

bool OleIsTextKind(const QString &fileName)
{
    const FileKind *k = FindKind(fileName);
    return k && k->kind == Kind::Text;
}

PTypeInfo TypeInfoTAutoActivate()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TAutoActivate"), {QStringLiteral("aaManual"),
                                          QStringLiteral("aaGetFocus"),
                                          QStringLiteral("aaDoubleClick")});
    return t;
}

PTypeInfo TypeInfoTSizeMode()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TSizeMode"),
        {QStringLiteral("smClip"), QStringLiteral("smCenter"), QStringLiteral("smScale"),
         QStringLiteral("smStretch"), QStringLiteral("smAutoSize")});
    return t;
}

PTypeInfo TypeInfoTObjectState()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TObjectState"),
        {QStringLiteral("osEmpty"), QStringLiteral("osLoaded"), QStringLiteral("osRunning"),
         QStringLiteral("osOpen"), QStringLiteral("osInPlaceActive"),
         QStringLiteral("osUIActive")});
    return t;
}

PTypeInfo TypeInfoTObjectMoveEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TObjectMoveEvent"),
        QStringLiteral("OleContainer: TOleContainer; const Bounds: TRect"));
    return t;
}

// ---- TOleContainer ----------------------------------------------------------------------------

static TPropTable OleContainerProps()
{
    using O = TOleContainer;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "Color", "Constraints", "Ctl3D", "DragCursor", "DragMode",
         "Enabled", "Height", "HelpContext", "Left", "ParentColor", "ParentCtl3D", "ParentShowHint",
         "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Top", "Visible", "Width", "OnClick",
         "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit",
         "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp",
         "OnResize", "OnStartDrag"});
    // A container has its own window colour and takes the focus by Tab.
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    t.push_back(Prop<O>("AllowActiveDoc", TypeInfoBoolean(), &O::AllowActiveDoc,
                        &O::SetAllowActiveDoc, 1));
    t.push_back(Prop<O>("AllowInPlace", TypeInfoBoolean(), &O::AllowInPlace,
                        &O::SetAllowInPlace, 1));
    t.push_back(Prop<O>("AutoActivate", TypeInfoTAutoActivate(), &O::AutoActivate,
                        &O::SetAutoActivate, aaDoubleClick));
    t.push_back(Prop<O>("AutoVerbMenu", TypeInfoBoolean(), &O::AutoVerbMenu,
                        &O::SetAutoVerbMenu, 1));
    t.push_back(Prop<O>("BorderStyle", TypeInfoTBorderStyle(), &O::BorderStyle,
                        &O::SetBorderStyle, bsSingle));
    t.push_back(Prop<O>("CopyOnSave", TypeInfoBoolean(), &O::CopyOnSave, &O::SetCopyOnSave, 1));
    t.push_back(Prop<O>("Iconic", TypeInfoBoolean(), &O::Iconic, &O::SetIconic, 0));
    t.push_back(Prop<O>("OldStreamFormat", TypeInfoBoolean(), &O::OldStreamFormat,
                        &O::SetOldStreamFormat, 0));
    t.push_back(Prop<O>("SizeMode", TypeInfoTSizeMode(), &O::SizeMode, &O::SetSizeMode,
                        smClip));
    t.push_back(EventProp<O>("OnActivate", TypeInfoTNotifyEvent(), &O::OnActivate));
    t.push_back(EventProp<O>("OnDeactivate", TypeInfoTNotifyEvent(), &O::OnDeactivate));
    t.push_back(EventProp<O>("OnObjectMove", TypeInfoTObjectMoveEvent(), &O::OnObjectMove));
    return t;
}
Z_DEFINE_CLASS(TOleContainer, TCustomControl, OleContainerProps)

TOleContainer::TOleContainer(TComponent *owner)
    : TCustomControl(owner), m_objectVerbs(new TStringList)
{
    SetControlStyle(csClickEvents | csSetCaption | csOpaque | csDoubleClicks | csCaptureMouse);
    SetBounds(0, 0, 121, 121);
    SetColor(clWindow); // also ends ParentColor
    SetTabStop(true);
}

TOleContainer::~TOleContainer()
{
    Destroying();
    DestroyWidget();
    Free(m_objectVerbs);
}

void TOleContainer::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    ApplyAutoSize();
    Invalidate();
}

void TOleContainer::SetIconic(bool v)
{
    m_iconic = v;
    ApplyAutoSize();
    Invalidate();
}

void TOleContainer::SetSizeMode(TSizeMode mode)
{
    m_sizeMode = mode;
    ApplyAutoSize();
    Invalidate();
}

void TOleContainer::AdjustClientRect(QRect &rect) const
{
    rect = Inner(rect, m_borderStyle);
}

void TOleContainer::TakeObject(const QByteArray &data, const QString &fileName,
                               const QString &sourcePath, const QString &typeName)
{
    m_data = data;
    m_fileName = fileName;
    m_sourcePath = sourcePath;
    m_typeName = typeName;
    m_picture = QImage::fromData(data);
    m_objectVerbs->SetStringList(OleVerbsOf(fileName));
    m_tempDir.reset();
    m_tempCopy.clear();
    m_state = osLoaded;
    m_modified = true;
    ApplyAutoSize();
    Invalidate();
}

void TOleContainer::CreateObjectFromFile(const QString &fileName, bool iconic)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(FormatMessage(QStringLiteral("Cannot open file %s"), {fileName}));
    const QByteArray data = file.readAll();
    const QFileInfo info(fileName);
    m_iconic = iconic;
    TakeObject(data, info.fileName(), info.absoluteFilePath(), OleTypeNameOf(fileName));
}

bool TOleContainer::InsertObjectDialog()
{
    TOleInsertObjectDialog dialog(nullptr);
    dialog.SetTitle(QStringLiteral("Insert Object"));
    dialog.SetFilter(QStringLiteral("All files (*.*)|*.*"));
    dialog.SetOptions(dialog.Options() | OpenOption(ofFileMustExist));
    dialog.Iconic = m_iconic;
    if (!dialog.Execute())
        return false;
    if (dialog.CreateNew) {
        CreateNewObject(dialog.NewObjectType, dialog.Iconic);
        return true;
    }
    if (dialog.FileName().isEmpty())
        return false;
    CreateObjectFromFile(dialog.FileName(), dialog.Iconic);
    return true;
}

QString TOleContainer::TempCopy()
{
    if (!m_tempCopy.isEmpty() && QFileInfo::exists(m_tempCopy))
        return m_tempCopy;
    m_tempDir = std::make_unique<QTemporaryDir>();
    if (!m_tempDir->isValid())
        throw EOleError(QStringLiteral("Cannot create a temporary folder for the object"));
    const QString name = m_fileName.isEmpty() ? QStringLiteral("object") : m_fileName;
    const QString path = QDir(m_tempDir->path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_data) != m_data.size())
        throw EFCreateError(FormatMessage(QStringLiteral("Cannot create file %s"), {path}));
    file.close();
    m_tempCopy = path;
    m_tempStamp = QFileInfo(path).lastModified();
    return m_tempCopy;
}

void TOleContainer::DoVerb(int verb)
{
    if (m_state == osEmpty)
        throw EOleError(QStringLiteral("The container holds no object"));
    // Negative numbers are the standard verbs (show, open, ...): all of them open the object.
    if (verb >= m_objectVerbs->Count())
        throw EOleError(FormatMessage(QStringLiteral("The object has no verb %s"),
                                      {QString::number(verb)}));
    const QString path = TempCopy();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        throw EOleError(FormatMessage(QStringLiteral("No application is available to open %s"),
                                      {m_typeName}));
    m_state = osOpen;
    OnActivate(this);
}

bool TOleContainer::UpdateObject()
{
    if (m_tempCopy.isEmpty())
        return false;
    const QFileInfo info(m_tempCopy);
    if (!info.exists() || info.lastModified() == m_tempStamp)
        return false;
    QFile file(m_tempCopy);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_data = file.readAll();
    m_picture = QImage::fromData(m_data);
    m_tempStamp = info.lastModified();
    m_modified = true;
    ApplyAutoSize();
    Invalidate();
    return true;
}

void TOleContainer::DestroyObject()
{
    if (m_state == osEmpty)
        return;
    const bool wasOpen = m_state == osOpen;
    m_data.clear();
    m_fileName.clear();
    m_sourcePath.clear();
    m_typeName.clear();
    m_picture = QImage();
    m_objectVerbs->Clear();
    m_tempDir.reset();
    m_tempCopy.clear();
    m_state = osEmpty;
    m_modified = true;
    Invalidate();
    if (wasOpen)
        OnDeactivate(this);
}

void TOleContainer::DblClick()
{
    TCustomControl::DblClick();
    if (!Designing() && m_autoActivate == aaDoubleClick && m_state != osEmpty)
        DoVerb(PrimaryVerb());
}

void TOleContainer::ApplyAutoSize()
{
    if (m_sizeMode != smAutoSize || m_iconic || m_picture.isNull())
        return;
    const int edge = m_borderStyle == bsSingle ? 4 : 0;
    SetBounds(Left(), Top(), m_picture.width() + edge, m_picture.height() + edge);
}

void TOleContainer::DrawIcon(QPainter &painter, const QRect &area)
{
    // A page with a folded corner above the type name and the file name.
    const QRect page(area.center().x() - 12, area.center().y() - 26, 24, 30);
    QPolygon outline;
    outline << page.topLeft() << QPoint(page.right() - 7, page.top())
            << QPoint(page.right(), page.top() + 7) << page.bottomRight() << page.bottomLeft();
    painter.setPen(ColorToQColor(clBlack));
    painter.setBrush(ColorToQColor(clWhite));
    painter.drawPolygon(outline);
    painter.drawPolyline(QPolygon({QPoint(page.right() - 7, page.top()),
                                   QPoint(page.right() - 7, page.top() + 7),
                                   QPoint(page.right(), page.top() + 7)}));
    painter.setFont(Font()->ToQFont());
    const QRect text(area.left(), page.bottom() + 3, area.width(), area.bottom() - page.bottom());
    DrawControlText(painter, text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                    m_typeName + QLatin1Char('\n') + m_fileName, Font()->Color(), Enabled());
}

void TOleContainer::DrawContent(QPainter &painter, const QRect &area)
{
    if (!m_picture.isNull()) {
        const QSize size = m_picture.size();
        QRect target(area.topLeft(), size);
        switch (m_sizeMode) {
        case smCenter:
            target.moveCenter(area.center());
            break;
        case smScale:
            target.setSize(size.scaled(area.size(), Qt::KeepAspectRatio));
            target.moveCenter(area.center());
            break;
        case smStretch:
            target = area;
            break;
        default:
            break;
        }
        painter.drawImage(target, m_picture);
        return;
    }
    if (OleIsTextKind(m_fileName)) {
        painter.setFont(Font()->ToQFont());
        painter.setPen(ColorToQColor(Font()->Color()));
        painter.drawText(area.adjusted(2, 1, -2, -1), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromUtf8(m_data.left(4096)));
        return;
    }
    DrawIcon(painter, area);
}

void TOleContainer::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    QRect rect = ClientRect();
    if (m_borderStyle == bsSingle) {
        Frame3D(*painter, rect, clBtnShadow, clBtnHighlight, 1);
        Frame3D(*painter, rect, cl3DDkShadow, cl3DLight, 1);
    }
    painter->fillRect(rect, ColorToQColor(Color()));
    if (m_state == osEmpty)
        return;
    painter->save();
    painter->setClipRect(rect);
    if (m_iconic)
        DrawIcon(*painter, rect);
    else
        DrawContent(*painter, rect);
    painter->restore();
}

#pragma once

// The object container: a control that embeds a document and offers its verbs. This machine
// has no object-embedding service, so the container keeps a small object store of its own: an
// embedded object is the bytes of a file, with a type named by the file's kind ("PNG image",
// "Text document"). Its verbs open a temporary copy with the desktop's default application;
// copy puts it on the clipboard; the properties dialog shows type, size and source.

#include "Controls.h"
#include "Dialogs.h"
#include "Strings.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>

#include <memory>

class QTemporaryDir;

Z_EXCEPTION(EOleError, Exception)

enum TAutoActivate { aaManual, aaGetFocus, aaDoubleClick };
enum TSizeMode { smClip, smCenter, smScale, smStretch, smAutoSize };
enum TObjectState { osEmpty, osLoaded, osRunning, osOpen, osInPlaceActive, osUIActive };
PTypeInfo TypeInfoTAutoActivate();
PTypeInfo TypeInfoTSizeMode();
PTypeInfo TypeInfoTObjectState();

using TObjectMoveEvent = TEvent<TObject *, QRect>;
PTypeInfo TypeInfoTObjectMoveEvent();

// The kind of a file by its extension, as the container names its objects' types.
QString OleTypeNameOf(const QString &fileName);
// The verbs an object of that file's kind offers, primary verb first.
QStringList OleVerbsOf(const QString &fileName);
// Whether a file of that kind is plain text (shown as its first lines).
bool OleIsTextKind(const QString &fileName);
// The clipboard format that carries a whole embedded object.
QString OleObjectMimeType();

// The object-properties dialog: shows what is embedded. Execute goes through the dialog seam
// (Dialogs.h) when one is installed.
class TOlePropertiesDialog : public TObject
{
    Z_CLASS(TOlePropertiesDialog)
public:
    QString ObjectType;
    QString SourceName;
    qint64 ObjectSize = 0;
    bool Iconic = false;

    // True when closed with OK; Iconic holds the choice made in the dialog.
    bool Execute();
};

// The kinds of object the container makes new and empty: "Text document", "Bitmap image",
// "HTML document".
QStringList OleNewObjectTypes();

// The insert-object dialog: embeds a new, empty object of one of OleNewObjectTypes or the
// content of a file ("Browse..." opens the file dialog). It is an open dialog underneath, so
// that the dialog seam answers it as one: a seam that only sets FileName embeds that file.
class TOleInsertObjectDialog : public TOpenDialog
{
    Z_CLASS(TOleInsertObjectDialog)
public:
    explicit TOleInsertObjectDialog(TComponent *owner);

    bool CreateNew = false; // else FileName is embedded
    QString NewObjectType;
    bool Iconic = false;

protected:
    bool ExecuteDialog() override;
};

class TOleContainer : public TCustomControl
{
    Z_CLASS(TOleContainer)
public:
    explicit TOleContainer(TComponent *owner);
    ~TOleContainer() override;

    bool AllowActiveDoc() const { return m_allowActiveDoc; }
    void SetAllowActiveDoc(bool v) { m_allowActiveDoc = v; }
    bool AllowInPlace() const { return m_allowInPlace; }
    void SetAllowInPlace(bool v) { m_allowInPlace = v; }
    TAutoActivate AutoActivate() const { return m_autoActivate; }
    void SetAutoActivate(TAutoActivate v) { m_autoActivate = v; }
    bool AutoVerbMenu() const { return m_autoVerbMenu; }
    void SetAutoVerbMenu(bool v) { m_autoVerbMenu = v; }
    // bsNone or bsSingle (a sunken two-pixel edge).
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    bool CopyOnSave() const { return m_copyOnSave; }
    void SetCopyOnSave(bool v) { m_copyOnSave = v; }
    // An iconic object is shown as an icon with its type instead of its content.
    bool Iconic() const { return m_iconic; }
    void SetIconic(bool v);
    bool OldStreamFormat() const { return m_oldStreamFormat; }
    void SetOldStreamFormat(bool v) { m_oldStreamFormat = v; }
    TSizeMode SizeMode() const { return m_sizeMode; }
    void SetSizeMode(TSizeMode mode);

    TObjectState State() const { return m_state; }
    // The embedded object's verbs; empty when there is none.
    TStrings *ObjectVerbs() const { return m_objectVerbs; } // owned
    int PrimaryVerb() const { return 0; }
    // The type name of the embedded object ("" when empty).
    QString OleClassName() const { return m_typeName; }
    // The file the object was made from.
    QString SourceDoc() const { return m_sourcePath; }
    QByteArray ObjectData() const { return m_data; }
    bool Modified() const { return m_modified; }
    void SetModified(bool v) { m_modified = v; }

    // Embeds the file's content, replacing the object there was. Raises EFOpenError when the
    // file cannot be read.
    void CreateObjectFromFile(const QString &fileName, bool iconic);
    void InsertObjectFromFile(const QString &fileName)
    {
        CreateObjectFromFile(fileName, m_iconic);
    }
    // Embeds a new, empty object of one of OleNewObjectTypes; raises EOleError for another.
    void CreateNewObject(const QString &typeName, bool iconic);
    // Asks with the insert-object dialog for a new object or a file and embeds it; false when
    // the dialog was cancelled.
    bool InsertObjectDialog();
    // Opens a temporary copy of the object with the desktop's default application (every
    // verb does; the copy is read back by UpdateObject). Raises EOleError without an object
    // and for a verb the object does not have.
    void DoVerb(int verb);
    // Takes the temporary copy back when an application changed it; true when it did.
    bool UpdateObject();
    // Puts the object on the clipboard: the whole object in OleObjectMimeType(), the file's
    // bytes in its own format, the temporary copy's URL, and the image or text it shows.
    void Copy();
    // Removes the object; the container becomes empty.
    void DestroyObject();
    // Shows type, size and source; an OK may switch Iconic. False when empty or cancelled.
    bool ObjectPropertiesDialog();

    // The object in a file of our own format. LoadFromFile raises EOleError for a file that
    // holds no object and EFOpenError when it cannot be read.
    void SaveToFile(const QString &fileName) const;
    void LoadFromFile(const QString &fileName);

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TObjectMoveEvent OnObjectMove;

    void DblClick() override;

protected:
    void Paint() override;
    void AdjustClientRect(QRect &rect) const override;

private:
    void TakeObject(const QByteArray &data, const QString &fileName, const QString &sourcePath,
                    const QString &typeName);
    // The temporary copy, written on first use.
    QString TempCopy();
    void ApplyAutoSize();
    void DrawIcon(QPainter &painter, const QRect &area);
    void DrawContent(QPainter &painter, const QRect &area);
    // The whole object as bytes, and back; Restore raises EOleError for bytes that hold none.
    QByteArray Serialize() const;
    void Restore(const QByteArray &bytes);

    bool m_allowActiveDoc = true;
    bool m_allowInPlace = true;
    TAutoActivate m_autoActivate = aaDoubleClick;
    bool m_autoVerbMenu = true;
    TFormBorderStyle m_borderStyle = bsSingle;
    bool m_copyOnSave = true;
    bool m_iconic = false;
    bool m_oldStreamFormat = false;
    TSizeMode m_sizeMode = smClip;

    TObjectState m_state = osEmpty;
    TStringList *m_objectVerbs; // owned
    QByteArray m_data;
    QString m_fileName;   // the source's file name without its folder
    QString m_sourcePath; // where the object came from
    QString m_typeName;
    QImage m_picture;     // what an image object shows; null for other kinds
    bool m_modified = false;
    std::unique_ptr<QTemporaryDir> m_tempDir;
    QString m_tempCopy;
    QDateTime m_tempStamp;
};

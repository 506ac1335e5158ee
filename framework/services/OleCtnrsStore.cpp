// The object container's store: the object as bytes in a file or on the clipboard, and the
// properties dialog.

#include "OleCtnrs.h"

#include "Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDataStream>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QMimeDatabase>
#include <QUrl>

namespace {

// "QZOL": the first four bytes of every stored object.
constexpr quint32 kMagic = 0x515A4F4C;
constexpr quint16 kVersion = 1;

} // namespace

QString OleObjectMimeType()
{
    return QStringLiteral("application/x-qz-embedded-object");
}

QByteArray TOleContainer::Serialize() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << m_typeName << m_fileName << m_sourcePath << m_iconic << m_data;
    return bytes;
}

void TOleContainer::Restore(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    QString typeName, fileName, sourcePath;
    bool iconic = false;
    QByteArray data;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion)
        throw EOleError(QStringLiteral("The data holds no embedded object"));
    in >> typeName >> fileName >> sourcePath >> iconic >> data;
    if (in.status() != QDataStream::Ok || typeName.isEmpty())
        throw EOleError(QStringLiteral("The embedded object is damaged"));
    m_iconic = iconic;
    TakeObject(data, fileName, sourcePath, typeName);
}

void TOleContainer::SaveToFile(const QString &fileName) const
{
    if (m_state == osEmpty)
        throw EOleError(QStringLiteral("The container holds no object"));
    QFile file(fileName);
    const QByteArray bytes = Serialize();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw EFCreateError(FormatMessage(QStringLiteral("Cannot create file %s"), {fileName}));
}

void TOleContainer::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(FormatMessage(QStringLiteral("Cannot open file %s"), {fileName}));
    Restore(file.readAll());
    m_modified = false;
}

void TOleContainer::Copy()
{
    if (m_state == osEmpty)
        throw EOleError(QStringLiteral("The container holds no object"));
    auto *mime = new QMimeData;
    mime->setData(OleObjectMimeType(), Serialize());
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(m_fileName, QMimeDatabase::MatchExtension);
    if (type.isValid() && !type.isDefault())
        mime->setData(type.name(), m_data);
    mime->setUrls({QUrl::fromLocalFile(TempCopy())});
    if (!m_picture.isNull())
        mime->setImageData(m_picture);
    else if (OleIsTextKind(m_fileName))
        mime->setText(QString::fromUtf8(m_data));
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard owns it
}

bool TOleContainer::ObjectPropertiesDialog()
{
    if (m_state == osEmpty)
        return false;
    TOlePropertiesDialog dialog;
    dialog.ObjectType = m_typeName;
    dialog.SourceName = m_sourcePath;
    dialog.ObjectSize = m_data.size();
    dialog.Iconic = m_iconic;
    if (!dialog.Execute())
        return false;
    if (dialog.Iconic != m_iconic)
        SetIconic(dialog.Iconic);
    return true;
}

// ---- TOlePropertiesDialog ---------------------------------------------------------------------

Z_DEFINE_CLASS(TOlePropertiesDialog, TObject, NoPublishedProps)

bool TOlePropertiesDialog::Execute()
{
    bool answer = false;
    if (AnswerBySeam(this, answer))
        return answer;
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QStringLiteral("Object Properties"));
    dialog.setMinimumWidth(320);
    auto *form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Type:"), new QLabel(ObjectType, &dialog));
    const QString size = QStringLiteral("%1 bytes").arg(QLocale().toString(ObjectSize));
    form->addRow(QStringLiteral("Size:"), new QLabel(size, &dialog));
    // An object made new in the container comes from no file.
    auto *source = new QLabel(SourceName.isEmpty() ? QStringLiteral("(new object)") : SourceName,
                              &dialog);
    source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("Source:"), source);
    auto *iconic = new QCheckBox(QStringLiteral("&Display as icon"), &dialog);
    iconic->setChecked(Iconic);
    form->addRow(iconic);
    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Iconic = iconic->isChecked();
    return true;
}

// Inserting an object into the container: the new, empty objects it can make and the
// insert-object dialog that chooses between one of those and a file.

#include "OleCtnrs.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A new object: its type name, the file name it goes by and its first content.
struct NewObjectKind
{
    const char *typeName;
    const char *fileName;
};

constexpr NewObjectKind kNewKinds[] = {
    {"Text document", "Document.txt"},
    {"Bitmap image", "Image.bmp"},
    {"HTML document", "Document.html"},
};

QByteArray BlankBitmap()
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray NewContent(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".bmp")))
        return BlankBitmap();
    if (fileName.endsWith(QLatin1String(".html")))
        return QByteArrayLiteral("<html>\n<body>\n</body>\n</html>\n");
    return QByteArray();
}

} // namespace

QStringList OleNewObjectTypes()
{
    QStringList names;
    for (const NewObjectKind &kind : kNewKinds)
        names << QString::fromLatin1(kind.typeName);
    return names;
}

void TOleContainer::CreateNewObject(const QString &typeName, bool iconic)
{
    for (const NewObjectKind &kind : kNewKinds) {
        if (typeName.compare(QLatin1String(kind.typeName), Qt::CaseInsensitive) != 0)
            continue;
        const QString fileName = QString::fromLatin1(kind.fileName);
        m_iconic = iconic;
        TakeObject(NewContent(fileName), fileName, QString(), OleTypeNameOf(fileName));
        return;
    }
    throw EOleError(FormatMessage(QStringLiteral("The container cannot make a new %s"),
                                  {typeName}));
}

// ---- TOleInsertObjectDialog --------------------------------------------------------------------

Z_DEFINE_CLASS(TOleInsertObjectDialog, TOpenDialog, NoPublishedProps)

TOleInsertObjectDialog::TOleInsertObjectDialog(TComponent *owner) : TOpenDialog(owner)
{
    NewObjectType = OleNewObjectTypes().value(0);
}

bool TOleInsertObjectDialog::ExecuteDialog()
{
    QDialog dialog(QApplication::activeWindow());
    // A dialog offers only its close button: a window manager gives a window without these
    // hints the buttons of a main window.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(Title().isEmpty() ? QStringLiteral("Insert Object") : Title());
    auto *grid = new QGridLayout(&dialog);

    auto *createNew = new QRadioButton(QStringLiteral("Create &New"), &dialog);
    auto *fromFile = new QRadioButton(QStringLiteral("Create from &File"), &dialog);
    auto *types = new QListWidget(&dialog);
    types->addItems(OleNewObjectTypes());
    types->setMaximumHeight(types->sizeHintForRow(0) * 5);
    const QList<QListWidgetItem *> chosen = types->findItems(NewObjectType, Qt::MatchFixedString);
    types->setCurrentRow(chosen.isEmpty() ? 0 : types->row(chosen.first()));
    auto *file = new QLineEdit(FileName(), &dialog);
    auto *browse = new QPushButton(QStringLiteral("&Browse..."), &dialog);
    auto *iconic = new QCheckBox(QStringLiteral("&Display as icon"), &dialog);
    iconic->setChecked(Iconic);
    auto *result = new QLabel(&dialog);
    result->setWordWrap(true);
    result->setMinimumWidth(260);
    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);

    grid->addWidget(createNew, 0, 0);
    grid->addWidget(fromFile, 1, 0);
    grid->addWidget(types, 0, 1, 1, 2);
    grid->addWidget(file, 1, 1);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(iconic, 2, 1, 1, 2);
    auto *resultBox = new QGroupBox(QStringLiteral("Result"), &dialog);
    (new QHBoxLayout(resultBox))->addWidget(result);
    grid->addWidget(resultBox, 3, 0, 1, 3);
    grid->addWidget(buttons, 4, 0, 1, 3);
    (CreateNew || FileName().isEmpty() ? createNew : fromFile)->setChecked(true);

    // Only a choice that can be embedded can be confirmed; the result says what it will be.
    auto update = [=] {
        const bool isNew = createNew->isChecked();
        types->setEnabled(isNew);
        file->setEnabled(!isNew);
        browse->setEnabled(!isNew);
        const QFileInfo info(file->text());
        bool ok = false;
        if (isNew && types->currentItem()) {
            ok = true;
            result->setText(QStringLiteral("Inserts a new, empty %1 into the container.")
                                .arg(types->currentItem()->text()));
        } else if (!isNew && info.isFile() && info.isReadable()) {
            ok = true;
            result->setText(QStringLiteral("Inserts the content of the file as a %1.")
                                .arg(OleTypeNameOf(info.fileName())));
        } else {
            result->setText(isNew ? QStringLiteral("Choose the kind of object to make.")
                                  : QStringLiteral("Choose a file that can be read."));
        }
        buttons->button(QDialogButtonBox::Ok)->setEnabled(ok);
    };
    QObject::connect(createNew, &QRadioButton::toggled, &dialog, update);
    QObject::connect(types, &QListWidget::currentRowChanged, &dialog, update);
    QObject::connect(file, &QLineEdit::textChanged, &dialog, update);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [this, file] {
        // The file dialog proper, inherited: it leaves its choice in FileName.
        if (TOpenDialog::ExecuteDialog())
            file->setText(FileName());
    });
    QObject::connect(types, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    update();

    if (!RunModal(dialog))
        return false;
    CreateNew = createNew->isChecked();
    if (types->currentItem())
        NewObjectType = types->currentItem()->text();
    SetFileName(file->text());
    Iconic = iconic->isChecked();
    return true;
}

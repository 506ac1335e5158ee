#include "LargeForm.h"

#include "ZeClientComponents.h"
#include "ZeDesignForm.h"

#include <array>
#include <map>

namespace bench {

namespace {

// Ordinary controls of the Standard, Additional and Win32 pages, in the order the cells take
// them; containers come in on every tenth cell instead.
const std::array<TClass, 16> &PlainClasses()
{
    static const std::array<TClass, 16> classes = {
        TZeLabel::StaticClass(),      TZeEdit::StaticClass(),        TZeButton::StaticClass(),
        TZeCheckBox::StaticClass(),   TZeRadioButton::StaticClass(), TZeListBox::StaticClass(),
        TZeComboBox::StaticClass(),   TZeMemo::StaticClass(),        TZeSpeedButton::StaticClass(),
        TZeShape::StaticClass(),      TZeBevel::StaticClass(),       TZeStaticText::StaticClass(),
        TZeMaskEdit::StaticClass(),   TZeTrackBar::StaticClass(),    TZeProgressBar::StaticClass(),
        TZeImage::StaticClass(),
    };
    return classes;
}

// Names as the design form gives them (the class name without its T, then a number), counted
// per class here instead of searched for, which would make building a large form quadratic.
class TNamer
{
public:
    QString Next(TClass cls) { return cls->ClassName().mid(1) + QString::number(++m_used[cls]); }

private:
    std::map<TClass, int> m_used;
};

TControl *Make(TClass cls, TfZeDesignForm *form, TWinControl *parent, const QRect &bounds,
               TNamer &namer)
{
    auto *control = static_cast<TControl *>(cls->Create(form));
    control->SetName(namer.Next(cls));
    control->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    control->SetParent(parent);
    return control;
}

} // namespace

QPoint LargeFormGrid::CellOrigin(int index)
{
    return QPoint(Origin + (index % Columns) * CellWidth, Origin + (index / Columns) * CellHeight);
}

QSize LargeFormGrid::ClientSize(int cells)
{
    const int rows = (cells + Columns - 1) / Columns;
    return QSize(2 * Origin + Columns * CellWidth + 40, 2 * Origin + rows * CellHeight + 40);
}

int FillLargeForm(TfZeDesignForm *form, int count)
{
    TNamer namer;
    int made = 0;
    const QSize size(LargeFormGrid::CellWidth - 4, LargeFormGrid::CellHeight - 4);
    for (int i = 0; i < count; ++i) {
        const QRect cell(LargeFormGrid::CellOrigin(i), size);
        if (i % 10 == 9) {
            const TClass cls = (i / 10) % 2 ? TZeGroupBox::StaticClass()
                                            : TZePanel::StaticClass();
            auto *box = static_cast<TWinControl *>(Make(cls, form, form, cell, namer));
            Make(TZeLabel::StaticClass(), form, box, QRect(2, 2, 7, 6), namer);
            Make(TZeButton::StaticClass(), form, box, QRect(10, 8, 8, 6), namer);
            made += 3;
        } else {
            Make(PlainClasses()[size_t(i % 10 + (i / 10) % 7)], form, form, cell, namer);
            ++made;
        }
    }
    form->SetDesignState(true);
    return made;
}

} // namespace bench

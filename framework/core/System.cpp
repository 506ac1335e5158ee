#include "System.h"

#include "TypInfo.h"

bool TClassInfo::InheritsFrom(TClass ancestor) const
{
    for (TClass c = this; c; c = c->Parent) {
        if (c == ancestor)
            return true;
    }
    return false;
}

const TPropTable &TClassInfo::OwnProps() const
{
    if (!m_props)
        m_props = std::make_unique<TPropTable>(MakeProps ? MakeProps() : TPropTable{});
    return *m_props;
}

PTypeInfo TClassInfo::ClassTypeInfo() const
{
    if (!m_typeInfo) {
        m_typeInfo = std::make_unique<TTypeInfo>();
        m_typeInfo->Kind = KindClass;
        m_typeInfo->Name = ClassName();
        m_typeInfo->ClassType = this;
    }
    return m_typeInfo.get();
}

TClass TObject::StaticClass()
{
    static const TClassInfo info{"TObject", nullptr, &CreateInstanceOf<TObject>, &NoPublishedProps,
                                 nullptr, nullptr};
    return &info;
}

TClass TObject::ClassType() const
{
    return StaticClass();
}

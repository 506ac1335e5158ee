#pragma once

// What the inspection tests share: a design form with its form designer (which counts the
// NotifyModified notices), a probe component that publishes one property of each kind the
// framework's own classes lack, and helpers that collect editors and value texts.

#include "Application.h"
#include "DsgnIntf.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"

#include <QtTest>

enum TProbeKind { pkAlpha, pkBeta, pkGamma };

class TProbe : public TComponent
{
    Z_CLASS(TProbe)
public:
    explicit TProbe(TComponent *owner) : TComponent(owner) {}

    int Kind() const { return m_kind; }
    void SetKind(int v) { m_kind = v; }
    qint64 Kinds() const { return m_kinds; }
    void SetKinds(qint64 v) { m_kinds = v; }
    int Letter() const { return m_letter; }
    void SetLetter(int v) { m_letter = v; }
    double Ratio() const { return m_ratio; }
    void SetRatio(double v) { m_ratio = v; }
    double Exact() const { return m_exact; }
    void SetExact(double v) { m_exact = v; }
    double Day() const { return m_day; }
    void SetDay(double v) { m_day = v; }
    double Hour() const { return m_hour; }
    void SetHour(double v) { m_hour = v; }
    double Stamp() const { return m_stamp; }
    void SetStamp(double v) { m_stamp = v; }
    QString Code() const { return m_code; }
    void SetCode(const QString &v) { m_code = v; }
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &v) { m_caption = v; }
    QString Hint() const { return m_hint; }
    void SetHint(const QString &v) { m_hint = v; }
    TComponent *Link() const { return m_link; }
    void SetLink(TComponent *v) { SetReference<TComponent>(this, m_link, v); }
    int Counter() const { return 7; }
    TFont *Font() const { return m_font.get(); }
    TFont *NoFont() const { return nullptr; }
    int Fragile() const
    {
        if (Broken)
            throw EPropertyError(QStringLiteral("broken"));
        return 1;
    }
    void SetFragile(int) {}
    int Tag2() const { return m_tag2; }
    void SetTag2(int v)
    {
        if (RefuseTag2)
            throw EPropertyError(QStringLiteral("Tag2 refused"));
        m_tag2 = v;
    }

    void Notification(TComponent *component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == m_link)
            m_link = nullptr;
    }

    bool Broken = false;
    bool RefuseTag2 = false; // the next writes of Tag2 are refused
    TNotifyEvent OnChange;
    TNotifyEvent OnCreate;
    TNotifyEvent OnClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    static PTypeInfo KindType();
    static PTypeInfo KindsType();
    static PTypeInfo CodeType();

private:
    int m_kind = pkAlpha; // may hold a value outside the type, as streamed data can
    qint64 m_kinds = 0;
    int m_letter = 0;
    double m_ratio = 0;
    double m_exact = 0;
    double m_day = 0;
    double m_hour = 0;
    double m_stamp = 0;
    QString m_code;
    QString m_caption;
    QString m_hint;
    TComponent *m_link = nullptr;
    std::unique_ptr<TFont> m_font = std::make_unique<TFont>();
    int m_tag2 = 0;
};

// A probe without events and without the probe's Caption, to mix into selections.
class TProbeEvents : public TComponent
{
    Z_CLASS(TProbeEvents)
public:
    explicit TProbeEvents(TComponent *owner) : TComponent(owner) {}
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnClick;
    TNotifyEvent OnChange;
};

// Only OnEnter and OnExit.
class TProbeFocus : public TComponent
{
    Z_CLASS(TProbeFocus)
public:
    explicit TProbeFocus(TComponent *owner) : TComponent(owner) {}
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
};

class CountingDesigner : public TZeFormDesigner
{
public:
    void NotifyModified() override
    {
        ++Notices;
        TZeFormDesigner::NotifyModified();
    }
    int Notices = 0;
};

// A designer that keeps event handlers by name, so that the event editor's paths show: handler
// i has the code address i + 1; every call is recorded.
class EventDesigner : public CountingDesigner
{
public:
    TMethod CreateEventHandler(const QString &name, PTypeInfo) override
    {
        Created << name;
        Handlers << name;
        TMethod m;
        m.Code = reinterpret_cast<const void *>(quintptr(Handlers.size()));
        m.Data = this;
        return m;
    }
    QString EventHandlerName(const TMethod &method) override
    {
        const auto index = qsizetype(reinterpret_cast<quintptr>(method.Code));
        return index > 0 && index <= Handlers.size() ? Handlers[index - 1] : QString();
    }
    bool EventHandlerExists(const QString &name) override
    {
        return Existing.contains(name, Qt::CaseInsensitive);
    }
    void RenameEventHandler(const QString &current, const QString &name) override
    {
        Renamed << current + QLatin1Char('>') + name;
    }
    void ShowEventHandler(const QString &name) override { Shown << name; }
    QString NameOfObject(TObject *object) override
    {
        auto *c = ObjectCast<TComponent>(object);
        return c ? c->Name() : QString();
    }
    bool IsInheritedHandler(const TMethod &) override { return Inherited; }

    QStringList Handlers;
    QStringList Existing; // the names EventHandlerExists knows
    QStringList Created;
    QStringList Shown;
    QStringList Renamed;
    bool Inherited = false;
};

// Collects the editors an enumeration or GetProperties hands out, keeping them.
struct EditorBag
{
    QList<TPropertyEditorRef> Editors;
    TGetPropEditProc Proc()
    {
        return [this](const TPropertyEditorRef &e) { Editors << e; };
    }
    QStringList Names() const
    {
        QStringList names;
        for (const auto &e : Editors)
            names << e->GetName();
        return names;
    }
    TPropertyEditorRef Find(const QString &name) const
    {
        for (const auto &e : Editors)
            if (e->GetName().compare(name, Qt::CaseInsensitive) == 0)
                return e;
        return nullptr;
    }
};

class InspectionFixture
{
public:
    InspectionFixture()
    {
        if (!Application)
            m_app = std::make_unique<TApplication>(nullptr);
        Form = new TfZeDesignForm(nullptr);
        Form->SetName(QStringLiteral("ZeDesignForm"));
        Designer = new CountingDesigner;
        Designer->Form = Form;
    }
    ~InspectionFixture()
    {
        Free(Form);
        delete Designer;
        m_app.reset();
    }

    // One editor for property name of objs, made as the enumeration makes it.
    TPropertyEditorRef Editor(const QList<TObject *> &objs, const QString &name,
                              TFormDesigner *designer = nullptr)
    {
        EditorBag bag;
        std::vector<TObject *> list(objs.begin(), objs.end());
        EnumObjectProperties(list, PropertyKinds, designer ? designer : Designer, bag.Proc());
        return bag.Find(name);
    }
    TPropertyEditorRef Editor(TObject *obj, const QString &name,
                              TFormDesigner *designer = nullptr)
    {
        return Editor(QList<TObject *>{obj}, name, designer);
    }

    TfZeDesignForm *Form;
    CountingDesigner *Designer;

private:
    std::unique_ptr<TApplication> m_app;
};

// The registrations the designer makes for the framework's named types.
void RegisterStandardEditors();

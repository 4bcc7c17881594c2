#include "app/webpane/DomObject.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QVariant>

namespace app {

namespace {

QString JsonString(const QString& s) {
    // A one-element array is the simplest way to get a correctly escaped JS string literal.
    const QByteArray a = QJsonDocument(QJsonArray{QJsonValue(s)}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(a.mid(1, a.size() - 2));
}

std::optional<QString> TextOf(const QVariant& v) {
    if (v.typeId() == QMetaType::QString) return v.toString();
    return std::nullopt;
}

}  // namespace

DomObject::DomObject(ScriptRunner run) : m_Run(std::move(run)) {}

DomObject::DomObject(ScriptRunner run, QStringList path) : m_Run(std::move(run)), m_Path(std::move(path)) {}

DomObject DomObject::Member(const QString& name) const {
    QStringList path = m_Path;
    path << name;
    return DomObject(m_Run, path);
}

void DomObject::Run(const QString& body, std::function<void(const QVariant&)> done) const {
    if (!m_Run) {
        if (done) done(QVariant());
        return;
    }
    const QString path =
        QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(m_Path)).toJson(QJsonDocument::Compact));
    // member(o, n): o[n] if o has it, else the first member whose name matches ignoring case.
    const QString script = QStringLiteral(
                               "(function(){"
                               "function member(o,n){"
                               "if(typeof o!=='object'&&typeof o!=='function')return o[n];"
                               "if(n in o)return o[n];"
                               "var l=n.toLowerCase();"
                               "for(var k in o){if(k.toLowerCase()===l)return o[k];}"
                               "return undefined;}"
                               "var o=document,p=%1;"
                               "for(var i=0;i<p.length;i++){if(o==null)return null;o=member(o,p[i]);}"
                               "if(o==null)return null;"
                               "%2"
                               "})()")
                               .arg(path, body);
    m_Run(script, std::move(done));
}

void DomObject::Get(const QString& name, ValueCallback done) const {
    Run(QStringLiteral("var v=member(o,%1);return v==null?null:String(v);").arg(JsonString(name)),
        [done = std::move(done)](const QVariant& v) {
            if (done) done(TextOf(v));
        });
}

void DomObject::GetAttribute(const QString& name, ValueCallback done) const {
    Run(QStringLiteral("if(typeof o.getAttribute!=='function')return null;return o.getAttribute(%1);")
            .arg(JsonString(name)),
        [done = std::move(done)](const QVariant& v) {
            if (done) done(TextOf(v));
        });
}

void DomObject::SetAttribute(const QString& name, const QString& value, DoneCallback done) const {
    Run(QStringLiteral("if(typeof o.setAttribute!=='function')return false;o.setAttribute(%1,%2);return true;")
            .arg(JsonString(name), JsonString(value)),
        [done = std::move(done)](const QVariant& v) {
            if (done) done(v.typeId() == QMetaType::Bool && v.toBool());
        });
}

}  // namespace app

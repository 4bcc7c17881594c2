#pragma once
// Late-bound access to an object of a pane's document, by member and attribute names given at run
// time. The engine's document lives in another process, so every access is a script run there and
// every answer arrives later through a callback on the UI thread. Everything but the constructor
// from a page is plain Qt: the form uses it without the engine, on a pane the engine module made.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWebEnginePage;

namespace app {

class DomObject {
public:
    using ValueCallback = std::function<void(std::optional<QString>)>;
    using DoneCallback = std::function<void(bool)>;
    // Runs a script in the document's page and hands its value to `done`: an invalid QVariant
    // once the page is gone.
    using ScriptRunner = std::function<void(const QString& script, std::function<void(const QVariant&)> done)>;

    // The document itself of `page` (defined with the panes, in DomObjectPage.cpp).
    explicit DomObject(QWebEnginePage* page);
    // The document of the page `run` runs scripts in.
    explicit DomObject(ScriptRunner run);

    // The member `name` of this object, e.g. Document().Member("activeElement"). Names are matched
    // exactly first, then ignoring case, so "Body" finds document.body. Resolved only when used:
    // a missing object makes reads answer nullopt and writes answer false, never an error.
    DomObject Member(const QString& name) const;

    // Reads the member `name` (e.g. "href") as text. nullopt when this object or the value is
    // missing (null/undefined), or when the page went away before answering.
    void Get(const QString& name, ValueCallback done) const;

    // Reads the attribute `name`; nullopt when the object or the attribute is missing.
    void GetAttribute(const QString& name, ValueCallback done) const;

    // Writes the attribute `name`; `done` (optional) receives true once written, false when the
    // object is missing (e.g. a document without a body) or the page went away.
    void SetAttribute(const QString& name, const QString& value, DoneCallback done = {}) const;

    // Names from the document down to this object, e.g. {"activeElement"}.
    const QStringList& Path() const { return m_Path; }

private:
    DomObject(ScriptRunner run, QStringList path);
    // Runs `body` with `o` bound to this object (or returns null when it is missing).
    void Run(const QString& body, std::function<void(const QVariant&)> done) const;

    ScriptRunner m_Run;
    QStringList m_Path;
};

}  // namespace app

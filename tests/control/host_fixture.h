// A host for the control's tests: it registers the library, finds it by class
// id, creates the control in a parent window and calls it by dispatch id,
// recording events and the message boxes the control shows.
#pragma once

#include "control.h"
#include "host_loader.h"
#include "vistrel_typelib.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <QWindow>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace testhost {

using hosting::DispId;
using hosting::HResult;
using hosting::Variant;

struct Message {
    hosting::MessageKind kind;
    std::string text;
};

class Site : public hosting::ControlSite, public hosting::Notifier {
public:
    QWidget* parent = nullptr;
    bool user = true;
    std::vector<uint8_t> stored;
    int modified = 0;
    std::vector<Message> messages;

    void* parentWindow() override { return parent; }
    bool userMode() const override { return user; }
    std::vector<uint8_t> storedData() const override { return stored; }
    void setModified() override { ++modified; }
    hosting::Notifier* notifier() override { return this; }
    void show(hosting::MessageKind kind, std::string_view, std::string_view text) override
    {
        messages.push_back({kind, std::string(text)});
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const auto& m : messages) t.push_back(m.text);
        return t;
    }
};

class Sink : public hosting::EventSink {
public:
    std::vector<DispId> events;
    std::map<DispId, std::function<void(std::span<Variant>)>> handlers;
    void onEvent(DispId id, std::span<Variant> args) override
    {
        events.push_back(id);
        if (auto it = handlers.find(id); it != handlers.end()) it->second(args);
    }
    int count(DispId id) const { return static_cast<int>(std::count(events.begin(), events.end(), id)); }
};

// The factory of the registered class, loaded the way a host loads it.
hosting::ClassFactory* factory();
const hosting::TypeLibrary* exportedTypeLibrary();

// One control in a shown parent window of the given size.
class Hosted {
public:
    explicit Hosted(int width = 200, int height = 200, bool userMode = true, std::vector<uint8_t> stored = {});
    ~Hosted();

    // Invokes a method by dispatch id; the test fails on an error result.
    Variant call(DispId id, std::vector<Variant> args = {});
    HResult invoke(DispId id, std::vector<Variant> args, Variant* result = nullptr,
                   hosting::InvokeKind kind = hosting::InvokeKind::Method);
    Variant get(DispId id);
    void refresh() { call(vistrel::stock::refresh); }
    // Refresh with a Draw handler; returns after the handler ran.
    void draw(std::function<void()> body);

    QWidget* controlWidget() const { return static_cast<QWidget*>(control->window()); }
    // The control's native window, found by its hWnd property.
    QWindow* glWindow();

    Site site;
    Sink sink;
    std::unique_ptr<QWidget> parent;
    hosting::Control* control = nullptr;
    bool created = false;
};

// Pixels of the current read buffer, RGBA, bottom row first.
std::vector<uint8_t> readPixels(int width, int height);
uint32_t pixelAt(const std::vector<uint8_t>& rgba, int width, int x, int y);
double shareNot(const std::vector<uint8_t>& rgba, uint32_t background);

std::string tempDir();

} // namespace testhost

#define ID(name) (vistrel::id(name))

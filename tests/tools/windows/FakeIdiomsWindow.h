#pragma once

#include "ui/common/IdiomsWindow.h"

#include <QWidget>
#include <functional>
#include <map>

namespace telvo::test {

// The idioms window as the side tools see it: its commands are kept for the test to run.
class FakeIdiomsWindow : public IdiomsWindow {
public:
    QWidget* widget() override { return &window; }
    bool isOpen() const override { return open; }
    QString selectedIdiomText() const override { return idiom; }
    void installCommand(IdiomsCommand command, std::function<void()> run) override {
        commands[command] = std::move(run);
    }
    QWidget window;
    bool open = true;
    QString idiom;
    std::map<IdiomsCommand, std::function<void()>> commands;
};

} // namespace telvo::test

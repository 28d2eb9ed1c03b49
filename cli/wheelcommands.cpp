// SPDX-License-Identifier: GPL-3.0-or-later
// --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone: work on
// the controller's joystick node in the process that was started. Which node
// that is, and the motion range, come from the running instance (which has
// the controller open) or, without one, from a device link of the command's
// own that is closed again before the node is touched.
#include "cli/devicelinktarget.h"
#include "cli/instancehost.h"
#include "cli/instancemessage.h"
#include "cli/instanceserver.h"
#include "cli/terminationsignals.h"
#include "device/devicelink.h"
#include "input/joysticknode.h"
#include "input/kerneldeadzone.h"
#include "input/wheelinput.h"
#include "input/wheelmonitor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>

namespace {

const QString kNodeKey = QStringLiteral("event_node");
const QString kRangeKey = QStringLiteral("motion_range");

enum class WheelAction { Monitor, RemoveDeadZone, RestoreDeadZone };

// With a target (in the instance that has the controller open): answers with
// the joystick node and the motion range. Without one (in the process that
// was started): finds those and does the work on the node.
class WheelNodeCommand : public Command
{
public:
    explicit WheelNodeCommand(WheelAction what) : action(what) {}

    void start(const CommandRequest &request, const Context &context) override
    {
        if (context.target) {
            describeNode(request, context.target);
            return;
        }
        ownRequest = request;
        instancemessage::Request asked{request, QDir::currentPath(), std::nullopt};
        bool reached = false;
        std::optional<CommandAnswer> source =
            askRunningInstance(asked, request.waitSeconds() * 1000 + 10000, &reached);
        if (source && reached) {
            useSource(*source);
            return;
        }
        // No instance: open the controller as other commands do, only to learn these.
        link = std::make_unique<DeviceLink>();
        link->startThread();
        target = std::make_unique<DeviceLinkTarget>(link->worker(), true);
        ownSource = std::make_unique<WheelNodeCommand>(action);
        connect(ownSource.get(), &Command::finished, this, [this](const CommandAnswer &found) {
            // Off the event loop: the command that answered is still on the stack.
            QMetaObject::invokeMethod(this, [this, found] {
                ownSource.reset();
                target.reset();
                link.reset();
                useSource(found);
            }, Qt::QueuedConnection);
        });
        ownSource->start(request, Context{target.get(), QDir::currentPath(), nullptr, QString()});
    }

private:
    void describeNode(const CommandRequest &request, SettingsTarget *settingsTarget)
    {
        connect(settingsTarget, &SettingsTarget::failed, this,
                [this](int status, const QString &message) { finish(status, message); });
        connect(settingsTarget, &SettingsTarget::ready, this, [this, settingsTarget] {
            const JoystickNode node = JoystickNode::forHidraw(settingsTarget->openDevicePath());
            if (node.path.isEmpty()) {
                finish(exitstatus::NO_CONTROLLER, node.problem);
                return;
            }
            QJsonObject found;
            found.insert(kNodeKey, node.path);
            found.insert(kRangeKey, int(settingsTarget->current().effects.motion_range));
            answer.out = QJsonDocument(found).toJson(QJsonDocument::Compact);
            finish(exitstatus::DONE);
        });
        settingsTarget->prepare(request.waitSeconds() * 1000);
    }

    void useSource(const CommandAnswer &source)
    {
        if (source.status != exitstatus::DONE) {
            answer.err = source.err;
            finish(source.status);
            return;
        }
        const QJsonObject found = QJsonDocument::fromJson(source.out).object();
        const QString node = found.value(kNodeKey).toString();
        if (!node.startsWith(QLatin1String("/dev/input/event"))) {
            finish(exitstatus::FAILED, QCoreApplication::translate("CommandExecutor",
                                                                   "The running instance did not name the joystick node."));
            return;
        }
        if (const QString denied = JoystickNode::accessProblem(node); !denied.isEmpty()) {
            finish(QFileInfo::exists(node) ? exitstatus::NO_PERMISSION : exitstatus::NO_CONTROLLER, denied);
            return;
        }
        if (action == WheelAction::Monitor)
            monitor(node, found.value(kRangeKey).toInt());
        else
            setDeadZone(node);
    }

    void setDeadZone(const QString &node)
    {
        QString error;
        const bool removing = action == WheelAction::RemoveDeadZone;
        if (!(removing ? KernelDeadZone::removeAt(node, &error) : KernelDeadZone::restoreAt(node, &error))) {
            finish(exitstatus::FAILED, error);
            return;
        }
        answer.out = (removing ? QCoreApplication::translate("CommandExecutor",
                                                             "The kernel's dead zone of %1 is removed (fuzz and flat 0).")
                               : QCoreApplication::translate("CommandExecutor",
                                                             "The kernel's own fuzz and flat of %1 are back."))
                         .arg(node)
                         .toUtf8() +
                     '\n';
        finish(exitstatus::DONE);
    }

    void monitor(const QString &node, int motionRange)
    {
        input = new WheelInput(this);
        if (!input->open(node)) {
            finish(exitstatus::FAILED, input->errorString());
            return;
        }
        const bool json = ownRequest.value(QStringLiteral("format")) == QLatin1String("json");
        auto *lines = new WheelMonitor(input, json ? WheelMonitor::Format::JsonLines : WheelMonitor::Format::Text, this);
        if (motionRange > 0)
            lines->setMotionRange(motionRange);
        connect(lines, &WheelMonitor::line, this, [](const QString &text) {
            const QByteArray bytes = text.toUtf8() + '\n';
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
            std::fflush(stdout);
        });
        connect(lines, &WheelMonitor::finished, this,
                [this](const QString &why) { finish(exitstatus::CONTROLLER_LEFT, why); });
        // Interrupted is how a monitor is meant to end.
        auto *interrupts = new TerminationSignalWatcher(this);
        connect(interrupts, &TerminationSignalWatcher::terminationRequested, this, [this] { finish(exitstatus::DONE); });
    }

    WheelAction action;
    CommandRequest ownRequest;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<DeviceLinkTarget> target;
    std::unique_ptr<WheelNodeCommand> ownSource;
    WheelInput *input = nullptr;
};

} // namespace

const CommandKind commands::MONITOR{"monitor", true, true,
                                    [] { return static_cast<Command *>(new WheelNodeCommand(WheelAction::Monitor)); },
                                    nullptr};
const CommandKind commands::REMOVE_DEAD_ZONE{
    "remove-kernel-dead-zone", true, true,
    [] { return static_cast<Command *>(new WheelNodeCommand(WheelAction::RemoveDeadZone)); }, nullptr};
const CommandKind commands::RESTORE_DEAD_ZONE{
    "restore-kernel-dead-zone", true, true,
    [] { return static_cast<Command *>(new WheelNodeCommand(WheelAction::RestoreDeadZone)); }, nullptr};

#include "event_lists.h"

#include "carnival/carnival_state.h"
#include "carnival/event_result.h"
#include "platform/latin1.h"

#include <QComboBox>

using platform::bytes;
using platform::qtext;

namespace results {

namespace {

QComboBox* pickList(const char* name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    return list;
}

} // namespace

EventLists::EventLists(QWidget* parent)
    : cboage(pickList("cboage", parent))
    , cboSex(pickList("cboSex", parent))
    , cboEvent(pickList("cboEvent", parent))
{
    for (const auto& age : carnival::kAgeGroups)
        cboage->addItem(qtext(age));
    for (const auto& sex : carnival::kSexes)
        cboSex->addItem(qtext(sex));
    cboEvent->setMinimumContentsLength(20);
    for (QComboBox* list : { cboage, cboSex, cboEvent })
        list->setCurrentIndex(-1);
}

void EventLists::fillEventCombo()
{
    const auto& state = carnival::modDeclareGlobals();
    for (int i = 0; i <= state.eventLastIndex && i < static_cast<int>(state.eventList.size()); ++i)
        cboEvent->addItem(qtext(state.eventList[static_cast<std::size_t>(i)].name.raw()));
    cboEvent->setCurrentIndex(-1);
}

QString EventLists::age() const { return cboage->currentText(); }
QString EventLists::sex() const { return cboSex->currentText(); }
QString EventLists::event() const { return cboEvent->currentText(); }

bool EventLists::somethingMissing() const
{
    return age().isEmpty() || sex().isEmpty() || event().isEmpty();
}

std::string EventLists::resultPath() const
{
    return carnival::eventResultPath(bytes(age()), bytes(sex()), bytes(event()));
}

} // namespace results

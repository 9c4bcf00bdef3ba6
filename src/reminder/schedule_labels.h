// The birthday window's run-time labels: what one schedule build decided (date headings,
// names, link rows, recent rows) turned into labels with their fonts, colours, tooltips
// and click actions.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "reminder/birthday_schedule.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/link_label.h"

namespace natalo {

// What a click on a link of the coming column does; the birthday window decides.
struct LinkActions {
    std::function<void(int linkIndex)> openGift;
    std::function<void(int linkIndex)> openGreeting;
    std::function<void(const std::string& mailUrl)> openMail;
};

class ScheduleLabels {
  public:
    struct LinkRowLabels {
        ui::LinkLabel* gift = nullptr;
        ui::LinkLabel* mail = nullptr;
        ui::LinkLabel* greeting = nullptr;
    };

    // Creates the labels on the form, in the order of the schedule.
    void Build(ui::Form& form, const BirthdaySchedule& schedule, const LinkActions& actions);

    const std::vector<ui::Label*>& Headings() const { return headings_; }
    const std::vector<ui::Label*>& Names() const { return names_; }
    const std::vector<LinkRowLabels>& LinkRows() const { return linkRows_; }
    const std::vector<ui::Label*>& RecentRows() const { return recentRows_; }
    // The links of the coming column in reading order, row by row.
    std::vector<ui::Control*> Commands() const;

  private:
    ui::Label& AddLabel(ui::Form& form, int left, int top, const std::string& text);
    ui::LinkLabel& AddLink(ui::Form& form, const LinkLabel& link);
    void AddLinkRow(ui::Form& form, const ComingEntry& entry, const LinkActions& actions);

    std::vector<std::unique_ptr<ui::Label>> owned_;
    std::vector<ui::Label*> headings_;
    std::vector<ui::Label*> names_;
    std::vector<LinkRowLabels> linkRows_;
    std::vector<ui::Label*> recentRows_;
};

// A tooltip text with each lone "\r" made a line break the tooltip control understands.
std::string TooltipLines(const std::string& text);

}  // namespace natalo

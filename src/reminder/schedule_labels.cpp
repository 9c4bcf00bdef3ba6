#include "reminder/schedule_labels.h"

namespace natalo {
namespace {

constexpr COLORREF kHeadingColour = RGB(128, 128, 128);
constexpr COLORREF kNameColour = RGB(0, 0, 0);
constexpr COLORREF kLinkColour = RGB(128, 0, 0);
constexpr COLORREF kLinkHoverColour = RGB(255, 0, 0);
constexpr int kRecentRowHeight = 13;

ui::FontSpec HeadingFont() {
    return ui::FontSpec::Points("MS Sans Serif", 8).Bold();
}
ui::FontSpec NameFont(bool bold) {
    return ui::FontSpec::Points("MS Sans Serif", 10).Bold(bold);
}
ui::FontSpec RecentFont() {
    return ui::FontSpec::Points("Tahoma", 8);
}
ui::FontSpec LinkFont() {
    return ui::FontSpec::Points("Tahoma", 7);
}

}  // namespace

std::string TooltipLines(const std::string& text) {
    std::string lines;
    lines.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        lines += text[i];
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            lines += '\n';
    }
    return lines;
}

ui::Label& ScheduleLabels::AddLabel(ui::Form& form, int left, int top, const std::string& text) {
    auto label = std::make_unique<ui::Label>(form, ui::Bounds{left, top, 0, 0}, text);
    label->SetShowAccelChar(false);  // names may hold "&"
    owned_.push_back(std::move(label));
    return *owned_.back();
}

ui::LinkLabel& ScheduleLabels::AddLink(ui::Form& form, const LinkLabel& link) {
    auto label =
        std::make_unique<ui::LinkLabel>(form, ui::Bounds{link.left, link.top, 0, 0}, link.caption);
    label->SetFont(LinkFont());
    label->SetTextColour(kLinkColour);
    label->SetTag(link.tag);
    ui::LinkLabel& result = *label;
    owned_.push_back(std::move(label));
    if (!link.enabled) {
        result.SetEnabled(false);
        if (!link.tooltip.empty())
            form.Tooltips().SetAreaTip(result.Handle(), TooltipLines(link.tooltip));
    } else if (!link.tooltip.empty()) {
        result.SetHint(TooltipLines(link.tooltip));
    }
    return result;
}

void ScheduleLabels::AddLinkRow(ui::Form& form, const ComingEntry& entry,
                                const LinkActions& actions) {
    const LinkRow& row = entry.links;
    LinkRowLabels labels;
    labels.gift = &AddLink(form, row.gift);
    labels.mail = &AddLink(form, row.mail);
    labels.greeting = &AddLink(form, row.greeting);

    labels.mail->SetHoverColour(kLinkHoverColour);
    ui::LinkLabel* gift = labels.gift;
    gift->OnClick([gift, open = actions.openGift] {
        if (open)
            open(gift->Tag());
    });
    if (row.mail.enabled) {
        labels.mail->OnClick([url = row.mailUrl, open = actions.openMail] {
            if (open)
                open(url);
        });
    }
    if (row.greeting.enabled) {
        ui::LinkLabel* greeting = labels.greeting;
        greeting->OnClick([greeting, open = actions.openGreeting] {
            if (open)
                open(greeting->Tag());
        });
    }
    linkRows_.push_back(labels);
}

std::vector<ui::Control*> ScheduleLabels::Commands() const {
    std::vector<ui::Control*> commands;
    for (const LinkRowLabels& row : linkRows_)
        commands.insert(commands.end(), {row.gift, row.mail, row.greeting});
    return commands;
}

void ScheduleLabels::Build(ui::Form& form, const BirthdaySchedule& schedule,
                           const LinkActions& actions) {
    for (const ComingEntry& entry : schedule.coming) {
        if (entry.heading) {
            ui::Label& heading =
                AddLabel(form, entry.heading->left, entry.heading->top, entry.heading->text);
            heading.SetFont(HeadingFont());
            heading.SetTextColour(kHeadingColour);
            heading.SetBackground(form.Background());
            headings_.push_back(&heading);
        }
        ui::Label& name = AddLabel(form, entry.name.left, entry.name.top, entry.name.caption);
        name.SetFont(NameFont(entry.name.bold));
        name.SetTextColour(kNameColour);
        name.SetBackground(form.Background());
        name.SetHint(entry.name.hint);
        names_.push_back(&name);
        AddLinkRow(form, entry, actions);
    }
    for (const RecentRow& row : schedule.recent) {
        auto label = std::make_unique<ui::Label>(
            form, ui::Bounds{row.left, row.top, row.width, kRecentRowHeight}, row.caption,
            /*autoSize=*/false);
        label->SetShowAccelChar(false);
        label->SetFont(RecentFont());
        label->SetTextColour(kNameColour);
        if (!row.hint.empty())
            label->SetHint(row.hint);
        recentRows_.push_back(label.get());
        owned_.push_back(std::move(label));
    }
}

}  // namespace natalo

#pragma once
// Data files for scenarios, written as the program writes them.
#include <string>
#include <vector>

namespace zek::e2e {

struct RecordText {
    std::string name;
    int type = 4;  // a data item
    int level = 1;
    std::string app;
    std::string option;
    std::string dir;
    std::string comment;
    int boot = 0;
    int tsk = 0;
    int extension = 0;
    int priority = 0;  // written only when set, unless the file is written as the program saves it
    int hotKey1 = 0;
    int hotKey2 = 0;
};

// `alwaysPriority`: the program's own save writes "ItemPriority" for every record.
inline std::string dataFileText(const std::vector<RecordText>& records, bool alwaysPriority = false) {
    std::string text = "[100]\r\n";
    int number = 0;
    for (const RecordText& record : records) {
        const std::string n = std::to_string(number++) + ":";
        auto line = [&](const char* key, const std::string& value) {
            if (!value.empty()) {
                text += n + key + "=" + value + "\r\n";
            }
        };
        line("ItemName", record.name);
        line("ItemApp", record.app);
        line("ItemOption", record.option);
        line("ItemDir", record.dir);
        line("ItemComment", record.comment);
        line("ItemType", std::to_string(record.type));
        line("ItemLevel", std::to_string(record.level));
        line("ItemBoot", std::to_string(record.boot));
        line("ItemTsk", std::to_string(record.tsk));
        line("ItemExtension", std::to_string(record.extension));
        line("ItemPriority", alwaysPriority || record.priority != 0 ? std::to_string(record.priority) : "");
        line("ItemHotKey1", std::to_string(record.hotKey1));
        line("ItemHotKey2", std::to_string(record.hotKey2));
    }
    return text;
}

}  // namespace zek::e2e

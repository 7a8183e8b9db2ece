#include "tasks/TaskSchema.h"

#include "base/Text.h"
#include "tasks/Database.h"
#include "tasks/LookupKey.h"

namespace torvalet {

namespace {

const std::vector<ColumnDef>& clipboardColumns() {
    static const std::vector<ColumnDef> columns = [] {
        auto all = taskColumns();
        all.push_back({"KEY", ColumnKind::Text, 10});
        return all;
    }();
    return columns;
}

const std::vector<ColumnDef>& lookupColumns() {
    static const std::vector<ColumnDef> columns = {{"KEY", ColumnKind::Text, 10}, {"NAME", ColumnKind::Text, 35}};
    return columns;
}

const std::vector<ColumnDef>& typeColumns() {
    static const std::vector<ColumnDef> columns = {
        {"KEY", ColumnKind::Text, 10}, {"NAME", ColumnKind::Text, 35}, {"MARK", ColumnKind::Text, 3}};
    return columns;
}

const std::vector<ColumnDef>* columnsOf(std::string_view table) {
    const std::string name = utf8Lower(table);
    if (name == "tasks") return &taskColumns();
    if (name == "clipbrd") return &clipboardColumns();
    if (name == "en_type" || name == "ru_type") return &typeColumns();
    if (name == "priority" || name == "en_state" || name == "ru_state" || name == "en_event" || name == "ru_event")
        return &lookupColumns();
    return nullptr;
}

std::string createTable(const std::string& table, const std::vector<ColumnDef>& columns) {
    std::string sql = "CREATE TABLE " + table + " (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnDef& c = columns[i];
        sql += i ? ", " : "";
        sql += std::string("\"") + c.name + "\" ";
        // Texts of blanks compare equal to '' (RTRIM), and no NULL hides a row from a `<>` test.
        sql += c.kind == ColumnKind::Number ? "REAL NOT NULL DEFAULT 0" : "TEXT NOT NULL DEFAULT '' COLLATE RTRIM";
    }
    return sql + ")";
}

struct TypeRow {
    int key;
    const char* mark;
    const char* english;
    const char* russian;
};

// Names and marks of the task types; the keys carry the behaviour, names and marks are shown.
const TypeRow typeRows[] = {
    {1, "<!>", "Reminder", "Напоминание"},
    {2, "@->", "Call", "Звонок"},
    {3, "<.$", "Buy", "Купить"},
    {4, "<-@", "Mail", "Письмо"},
    {5, "..]", "Day Mark", "Метка дня"},
    {6, "[..", "Time Mark", "Метка часа"},
    {7, "  ^", "Hidden", "Скрытая"},
    {8, " ?!", "Idea", "Идея"},
    {9, "i:=", "ToRemember", "Запомнить"},
    {10, "//:", "Open", "Открыть"},
    {11, "  &", "Document", "Документ"},
    {12, ".:!", "Problem", "Проблема"},
    {13, " i>", "Inform", "Сообщить"},
    {14, "<:>", "Meeting", "Встреча"},
    {15, ":O)", "Joke", "Шутка"},
    {16, "//?", "Search", "Поиск"},
    {17, "{b}", "Install", "Установить"},
    {18, "{?}", "Tip", "Совет"},
    {19, "  %", "Discount", "Скидка"},
    {20, "=->", "TalkTo", "Поговорить"},
    {21, "..>", "Download", "Скачать"},
    {22, "EXE", "Program", "Программа"},
    {24, "~>", "Go To", "Сходить"},
    {25, "{h}", "Think About", "Обдумать"},
    {26, "||>", "Run", "Запустить"},
    {27, ",,,", "Comment", "Комментарий"},
    {28, "$.>", "Email", "Эл. почта"},
    {29, "|=|", "Check", "Проверить"},
    {30, "?|[", "Question", "Вопрос"},
    {31, "~s~", "Repair", "Ремонт"},
    {32, "_|_", "Health Care", "Здоровье"},
    {33, " ][", "Relax", "Отдых"},
    {34, "prn", "Pay", "Оплатить"},
    {35, "obs", "Copy", "Копировать"},
    {36, "y_g", "Learn", "Изучить"},
    {37, "rwd", "Reward", "Награда"},
    {38, "rid", "Deliver", "Доставить"},
    {42, "d_g", "Day Goal", "Цель дня"},
    {43, "w_g", "Week Goal", "Цель недели"},
    {44, "log", "Log", "Журнал"},
    {47, "g_g", "Ride", "Поездка"},
};

struct NamedRow {
    int key;
    const char* english;
    const char* russian;
};

const NamedRow stateRows[] = {
    {1, "Done", "Сделано"},           {2, "Mute", "Заминка"},     {3, "Undone", "Несделано"},
    {4, "AtWork", "В работе"},        {5, "Delayed", "Отложено"}, {6, "Prepare", "Подготовка"},
    {7, "Delegated", "Делегировано"},
};

const NamedRow eventRows[] = {
    {1, "Daily", "Ежедневно"},
    {2, "Weekly", "Еженедельно"},
    {3, "Monthly", "Ежемесячно"},
    {4, "Yearly", "Ежегодно"},
    {5, "Once", "Однократно"},
    {6, "First Day Of Month", "Первый день месяца"},
    {7, "Last Day Of Month", "Последний день месяца"},
};

void insertRow(Database& db, const std::string& table, const std::vector<std::string>& values) {
    std::string sql = "INSERT INTO " + table + " VALUES (";
    for (std::size_t i = 0; i < values.size(); ++i) sql += i ? ", ?" : "?";
    SqlStatement statement = db.prepare(sql + ")");
    for (std::size_t i = 0; i < values.size(); ++i) statement.bind(static_cast<int>(i + 1), values[i]);
    statement.step();
}

void insertLookupRows(Database& db) {
    const char* priorities[] = {"!!!", "?", "#1", "#2", "#3"};
    for (int i = 0; i < 5; ++i) insertRow(db, "priority", {makeLookupKey(i + 1), priorities[i]});
    for (const NamedRow& row : stateRows) {
        insertRow(db, "en_state", {makeLookupKey(row.key), row.english});
        insertRow(db, "ru_state", {makeLookupKey(row.key), row.russian});
    }
    for (const TypeRow& row : typeRows) {
        insertRow(db, "en_type", {makeLookupKey(row.key), row.english, row.mark});
        insertRow(db, "ru_type", {makeLookupKey(row.key), row.russian, row.mark});
    }
    for (const NamedRow& row : eventRows) {
        insertRow(db, "en_event", {makeLookupKey(row.key), row.english});
        insertRow(db, "ru_event", {makeLookupKey(row.key), row.russian});
    }
}

}  // namespace

const std::vector<ColumnDef>& taskColumns() {
    // In the order of TaskColumn.
    static const std::vector<ColumnDef> columns = {
        {"Date", ColumnKind::Date, 10},     {"Date2", ColumnKind::Date, 10},   {"Task", ColumnKind::Text, 180},
        {"Time", ColumnKind::Text, 8},      {"Time2", ColumnKind::Text, 8},    {"Duration", ColumnKind::Number, 0},
        {"Procent", ColumnKind::Number, 0}, {"Cost", ColumnKind::Number, 0},   {"Remindflag", ColumnKind::Text, 1},
        {"Doflag", ColumnKind::Text, 1},    {"Project", ColumnKind::Text, 20}, {"DoerKey", ColumnKind::Text, 20},
        {"StateKey", ColumnKind::Text, 10}, {"TypeKey", ColumnKind::Text, 10}, {"Prior_key", ColumnKind::Text, 10},
        {"Comment", ColumnKind::Text, 60},
    };
    return columns;
}

const ColumnDef& columnDef(TaskColumn column) { return taskColumns()[indexOf(column)]; }

const ColumnDef* findColumn(std::string_view table, std::string_view column) {
    const auto* columns = columnsOf(table);
    if (!columns) return nullptr;
    for (const ColumnDef& c : *columns)
        if (equalsIgnoreCase(c.name, column)) return &c;
    return nullptr;
}

void createTaskStore(Database& db) {
    Transaction transaction(db);
    for (const char* table :
         {"tasks", "clipbrd", "priority", "en_state", "ru_state", "en_type", "ru_type", "en_event", "ru_event"})
        db.execute(createTable(table, *columnsOf(table)));
    createTaskIndexes(db);
    insertLookupRows(db);
    transaction.commit();
}

void createTaskIndexes(Database& db) {
    // The reminder clock looks every two seconds for the rows due this minute, by start day and
    // minute or by final day and minute. The task list is ordered by day and time first, and its
    // hide conditions test the keys: listing its rowids then reads this index alone.
    db.execute("CREATE INDEX IF NOT EXISTS tasks_list ON tasks (Date, Time, TypeKey, StateKey, Prior_key)");
    db.execute("CREATE INDEX IF NOT EXISTS tasks_final ON tasks (Date2, Time2)");
    // Stores made before the list index have one by start day and minute alone, which it covers.
    db.execute("DROP INDEX IF EXISTS tasks_start");
}

bool hasTaskIndexes(Database& db) {
    SqlStatement statement =
        db.prepare("select count(*) from sqlite_master where type = 'index' and name = 'tasks_list'");
    return statement.step() && statement.integer(0) > 0;
}

}  // namespace torvalet

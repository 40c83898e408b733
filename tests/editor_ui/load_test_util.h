// Helpers of the loading tests: kernel-file sets copied into the test's folder, the panels, the log, and the
// user's actions on the configuration-files and CPU panels.
#pragma once

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "panels/CCtl_SDlg_Cpu.h"
#include "panels/CCtl_SDlg_Proj.h"
#include "panels/CCtl_SDlg_output.h"
#include "panels/CCtl_SDlg_systim.h"
#include "ui_test_util.h"
#include "ui_text.h"

namespace uitest {

class LoadTest : public EditorTest {
protected:
    CCtl_SDlg_Proj* Proj() const { return View()->ProjPanel(); }
    CCtl_SDlg_Cpu* Cpu() const { return static_cast<CCtl_SDlg_Cpu*>(View()->SettingPanel(1)); }
    CCData_conf_info& Conf() const { return Doc()->GetConfInfo(); }

    // A folder of the test holding the hand-written kernel files (a CPU of type 9 with five tasks and every
    // object kind in use); returns its path.
    std::string MakeSet(const std::string& name) const
    {
        const std::string dir = m_dir.File(name);
        std::filesystem::create_directories(dir);
        for (const char* file : {"config.c", "qvos.def", "kinit.c"}) {
            std::filesystem::copy_file(std::string(QV_KERNEL_FILES_DIR) + "/" + file, dir + "/" + file);
        }
        return dir;
    }

    // The log's lines, without their CR LF ends.
    std::vector<std::string> Log() const
    {
        const std::string text = View()->OutputPanel()->GetLogText();
        std::vector<std::string> lines;
        std::string::size_type start = 0;
        for (std::string::size_type end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }

    std::string Edit(int id) const { return Proj()->PathString(id); }
    // A path as Qt's dialogs and edits hold it: its file name decoded.
    static QString QPath(const std::string& path) { return QFile::decodeName(path.c_str()); }
    void Type(int id, const std::string& text) const { Proj()->PathEdit(id)->setText(QPath(text)); }
    bool IsRed(int id) const
    {
        return Proj()->PathEdit(id)->palette().color(QPalette::Text) == QColor(255, 0, 0);
    }

    void Click(int id) const { QTest::mouseClick(Proj()->Button(id), Qt::LeftButton); }
    void ChooseFolder(const std::string& folder) const
    {
        qvui::SetNextFolder(QPath(folder));
        Click(902);
    }
    // Ends the run, storing the settings file in the test's folder, and starts the editor again there,
    // with the settings file replaced by `settings` when one is given.
    void Restart(const std::string& settings = std::string())
    {
        m_editor.reset();
        if (!settings.empty()) testutil::WriteBytes(m_dir.File("quorvane.ini"), settings);
        m_editor = std::make_unique<Editor>(m_dir.Path());
        m_editor->Start();
    }
    int Questions() const { return MessagesAsked(LoadStr(5112)); }

    // The user's choice of an item in one of the CPU panel's lists.
    static void Choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static std::vector<std::string> Items(const QComboBox* combo)
    {
        std::vector<std::string> items;
        for (int i = 0; i < combo->count(); ++i) items.push_back(qvui::FromQ(combo->itemText(i)));
        return items;
    }

    // The texts of a category's children (and of their children, depth first).
    std::vector<std::string> TreeLines(int category) const
    {
        std::vector<std::string> lines;
        const QTreeWidgetItem* item = View()->CategoryItem(category);
        for (int i = 0; i < item->childCount(); ++i) {
            const QTreeWidgetItem* child = item->child(i);
            lines.push_back(qvui::FromQ(child->text(0)));
            for (int j = 0; j < child->childCount(); ++j) lines.push_back(qvui::FromQ(child->child(j)->text(0)));
        }
        return lines;
    }
};

}  // namespace uitest

// Path forms on good and hostile input, the folder cut-off, and existence on a real disk.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <qor01.h>
#include "PathText.h"

TEST(PathFormTest, DirectoryForms)
{
    struct Row { const char* path; bool absolute, relative; };
    const std::string longName(255, 'n'), tooLongName(256, 'n');
    const std::string longPath = "C:\\" + std::string(250, 'p');
    const std::string tooLongPath = "C:\\" + std::string(100, 'p') + "\\" + std::string(100, 'q') + "\\" + std::string(60, 'r');
    const std::string named = "C:\\" + longName;
    const std::string overNamed = "C:\\" + tooLongName;
    const Row rows[] = {
        { "C:\\", true, true },
        { "c:\\a\\b", true, true },
        { "C:\\a\\b\\", true, true },
        { "\\\\server\\share", true, true },
        { "\\\\server\\share\\a\\", true, true },
        { "C:\\Program Files\\\xe4\xf6\xfc", true, true },   // bytes above 127
        { named.c_str(), true, true },
        { longPath.c_str(), true, true },
        { "a\\b", false, true },
        { ".\\a", false, true },
        { "..\\a\\..", false, true },
        { "", false, false },
        { "C:", false, false },
        { "C:a", false, false },
        { "\\a", false, false },
        { "C:/a", false, false },
        { "C:\\a/b", false, false },
        { "C:\\a\\\\b", false, false },
        { "C:\\a\\.\\b", false, false },
        { "C:\\a\\..", false, false },
        { "C:\\a \\b", false, false },
        { "C:\\a.\\b", false, false },
        { "C:\\a?b", false, false },
        { "C:\\a\"b", false, false },
        { "C:\\a\tb", false, false },
        { "C:\\a:b", false, false },
        { "1:\\a", false, false },
        { "\\\\server", false, false },
        { "\\\\server\\", false, false },
        { "\\\\\\share", false, false },
        { overNamed.c_str(), false, false },
        { tooLongPath.c_str(), false, false },
    };
    for (const Row& r : rows)
    {
        EXPECT_EQ(r.absolute, pathtext::IsDirForm(r.path, true)) << "absolute: " << r.path;
        EXPECT_EQ(r.relative, pathtext::IsDirForm(r.path, false)) << "relative: " << r.path;
        EXPECT_EQ(r.absolute, DirUtils::IsDir(r.path, true)) << r.path;
    }
}

TEST(PathFormTest, FileFormsAndTheFolderCutOff)
{
    struct Row { const char* path; bool plain, extension; const char* folder; };
    const Row rows[] = {
        { "C:\\a\\b.txt", true, true, "C:\\a" },
        { "C:\\b.txt", true, true, "C:\\" },
        { "C:\\a\\README", true, false, "C:\\a" },
        { "C:\\a\\b.", false, false, "C:\\a" },
        { "C:\\a\\.profile", true, false, "C:\\a" },
        { "\\\\s\\share\\f.txt", true, true, "\\\\s\\share" },
        { "\\\\s\\share", false, false, "\\\\s" },
        { "C:\\a\\", false, false, "C:\\a" },
        { "C:\\", false, false, "C:\\" },
        { "C:/a/b.txt", false, false, "" },
        { "b.txt", false, false, "" },
        { "C:\\a\\\\b.txt", false, false, "C:\\a\\" },
        { "C:\\a\\b?.txt", false, false, "C:\\a" },
        { "", false, false, "" },
    };
    for (const Row& r : rows)
    {
        EXPECT_EQ(r.plain, pathtext::IsFileForm(r.path, true, false)) << r.path;
        EXPECT_EQ(r.extension, FileUtils::IsFile(r.path, true, true)) << r.path;
        EXPECT_STREQ(r.folder, DirUtils::ParsePathFromFile(r.path)) << r.path;
    }
    EXPECT_TRUE(pathtext::IsFileForm("a\\b.txt", false, true));
    EXPECT_FALSE(pathtext::IsFileForm("a\\b.txt", true, true));
}

TEST(PathExistenceTest, DirectoriesAndFilesOnDisk)
{
    char temp[MAX_PATH];
    ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
    CString dir = CString(temp) + "qor01 path test";
    CString file = dir + "\\f.txt";
    ::DeleteFileA(file);
    ::RemoveDirectoryA(dir);
    EXPECT_FALSE(DirUtils::DoesDirExist(dir));
    ASSERT_TRUE(::CreateDirectoryA(dir, NULL));
    HANDLE h = ::CreateFileA(file, GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    ::CloseHandle(h);

    EXPECT_TRUE(DirUtils::DoesDirExist(dir));
    EXPECT_TRUE(DirUtils::DoesDirExist(dir + "\\"));
    EXPECT_TRUE(DirUtils::DoesDirExist("C:\\"));
    EXPECT_FALSE(DirUtils::DoesDirExist(file)) << "a file is no directory";
    EXPECT_TRUE(FileUtils::DoesFileExist(file));
    EXPECT_FALSE(FileUtils::DoesFileExist(dir)) << "a directory is no file";
    EXPECT_FALSE(FileUtils::DoesFileExist(""));
    EXPECT_FALSE(DirUtils::DoesDirExist(""));
    EXPECT_STREQ(dir, DirUtils::ParsePathFromFile(file));

    ::DeleteFileA(file);
    ::RemoveDirectoryA(dir);
    EXPECT_FALSE(FileUtils::DoesFileExist(file));
}

// A serial device or USB pipes this user may not open: linkwell-cli names the device, its group
// and the command that helps, and `ports` marks such a device. Root ignores file modes, so the
// CLI runs as the unprivileged user "nobody" here.
#include "CliHarness.h"
#include "support/PeerLink.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw::test {
namespace {

class CliPermission : public ::testing::Test {
protected:
    void SetUp() override {
        Setpriv = FindProgram("setpriv");
        if (::geteuid() != 0 || Setpriv.empty())
            GTEST_SKIP() << "needs root and setpriv to run the CLI as the user nobody";
        const group* g = ::getgrnam("dialout");
        Gid = g ? g->gr_gid : 0;
        Group = g ? "dialout" : "root";
        ::chmod(Dir.Path.c_str(), 0755);
        // A copy the other user can reach whatever the modes of the build folder.
        Program = Dir.File("linkwell-cli");
        std::filesystem::copy_file(LW_CLI_PROGRAM, Program);
    }
    // Makes `path` root's with group Group, readable and writable by the group alone.
    void Restrict(const std::string& path) {
        ASSERT_EQ(::chown(path.c_str(), 0, Gid), 0);
        ASSERT_EQ(::chmod(path.c_str(), 0660), 0);
    }
    TRunResult RunAsNobody(const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& env = {}) {
        std::vector<std::string> argv = {Setpriv,          "--reuid=65534", "--regid=65534",
                                         "--clear-groups", Program,         "-q"};
        argv.insert(argv.end(), args.begin(), args.end());
        return lw::test::Run(argv, env);
    }
    void ExpectActionable(const TRunResult& r, const std::string& device) {
        ExpectOneMessage(r, 1, device);
        for (const std::string& part : std::vector<std::string>{
                 "group " + Group, "sudo usermod -aG " + Group + " $USER", "log in again"})
            EXPECT_NE(r.Err.find(part), std::string::npos) << part << " in " << r.Err;
    }
    std::string Setpriv, Group, Program;
    gid_t Gid = 0;
    TTempDir Dir;
};

TEST_F(CliPermission, SerialDeviceNamesItsGroupAndWhatToDo) {
    const TPtyPeer line;
    Restrict(line.PortName());
    ExpectActionable(RunAsNobody({"-p", line.PortName(), "ident"}), line.PortName());
}

TEST_F(CliPermission, UsbPipesAreMarkedInThePortListAndNamedOnConnect) {
    const std::string root = Dir.File("usb"), device = root + "/ZQlink";
    std::filesystem::create_directories(device);
    ::chmod(root.c_str(), 0755);
    ::chmod(device.c_str(), 0755);
    for (const char* pipe : {"/PIPE0", "/PIPE1"}) {
        ASSERT_EQ(::mkfifo((device + pipe).c_str(), 0600), 0);
        Restrict(device + pipe);
    }
    const std::map<std::string, std::string> env = {{"LINKWELL_USB_ROOT", root}};
    const TRunResult ports = RunAsNobody({"ports"}, env);
    ASSERT_EQ(ports.Status, 0) << ports.Err;
    EXPECT_TRUE(HasLine(ports.Out, "usb\t(no permission: group " + Group + ")")) << ports.Out;
    const TRunResult json = RunAsNobody({"--json", "ports"}, env);
    EXPECT_NE(json.Out.find(R"({"name":"usb","usable":false,"group":")" + Group + "\"}"),
              std::string::npos)
        << json.Out;
    ExpectActionable(RunAsNobody({"-p", "usb", "ident"}, env), device + "/PIPE0");
}

} // namespace
} // namespace lw::test

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine 通过 X11 会话的 X 服务器稳定指针，该服务器必须提供 XInput2 和 XTest 扩展。当前会话没有提供这种访问权限，因此指针没有被稳定。

请注销，在登录界面选择 X11 会话（名称中通常带有“Xorg”或“X11”），重新登录后再启动 Quellarine。</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>Ctrl</source>
        <comment>The Control key, as printed on PC keyboards</comment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>The Alt key, as printed on PC keyboards</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>The Shift key, as printed on PC keyboards</comment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>The Super key (the one with the system&apos;s logo), as desktops name it</comment>
        <translation>Super</translation>
    </message>
</context>
<context>
    <name>KeyCaps</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
</context>
<context>
    <name>LocalizedSources</name>
    <message>
        <source>Quellarine test, 2026</source>
        <translation>Quellarine 测试，2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>“均衡”预设与延迟同为 25 毫秒的普通平滑对比</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>一段录制的触控板移动，叠加了稳定的 6 Hz 模拟抖动。这是我们自己的测量，并非已发表的研究。</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>概览</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>为你的手调校</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>原理</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>新功能</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>个人资料</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>Needs an X11 session to work.</source>
        <translation>需要 X11 会话才能工作。</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>轻柔</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>均衡</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>很强</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>精确</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>触控板</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>大幅移动</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>个人</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>轻微抖动，几乎没有延迟</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>适合大多数人的起点</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>明显抖动</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>强烈抖动；指针跟随得更慢</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>小按钮和小字；最稳，也最慢</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>为触控板调校</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>静止时稳定，跨越屏幕时迅速</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>你的测试得出的预设，由 AI 调校</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>这台电脑需要 X11 会话，Quellarine 才能调整指针。如果在其他会话中，请注销，在登录界面选择 X11 会话（名称中通常带有“Xorg”或“X11”），然后重新登录。你输入或点击的任何内容都不会被记录，也不会被发送到任何地方。</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>显示所需条件</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>已经在 X11 会话中，但仍然无法使用？X 服务器必须提供 XInput2 和 XTest 扩展：请在其设置中启用它们，然后重新打开 Quellarine。</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine 可以访问指针</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>使用 X11 会话</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
    <message>
        <source>Direct</source>
        <translation>直接</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>无平滑：指针直接跟随你的手</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>因为 Ctrl 键被按了 5 次，已关闭</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>无法连接更新服务器。请检查互联网连接，稍后再试。</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>无法读取服务器上的更新信息。请稍后再试。</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>为你的手调校</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>一分钟测试：保持不动、跟随一个圆点、点击几个目标。Quellarine 会用你的动作试用每个预设，并推荐适合你的那个。之后 AI 可以解释你的结果，并为你调校一个个人设置。</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>开始测试</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>点击保护</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>忽略极短的轻触和快速的意外重复点击，并在你点击时让指针保持不动。</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>按下即可关闭</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>因为 Ctrl 键被按了 5 次，已关闭。可在这里或用 %1 重新开启。</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>再次显示欢迎指南</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>有疑问或遇到问题？直接在 Quellarine 里给我们写信</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine 不是医疗器械，不能诊断或治疗任何疾病。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine 在所有应用中消除指针的抖动，并忽略意外点击。</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>显示所需条件</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>Quellarine 已开启</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>Quellarine 已关闭</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>正在使用“%1”预设平滑。</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>指针直接跟随你的手。</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>你输入或点击的任何内容都不会被记录，也不会被发送到任何地方。</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>指针要多稳？</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>每个预设都在稳定性和指针跟随速度之间取舍。选一个试试：合适的那个会让人感觉平稳。</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>特殊情况</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>为你的手定制</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>在任何应用中切换模式</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>不确定选哪个？</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>Quellarine 可以测量你的手并推荐一个预设，AI 还能解释原因，并按你的手进行调校。</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>点击</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>适合会点两次或按下时会滑动的手。</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>极短的轻触不算作点击。</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>紧接着第一次点击的第二次点击会被忽略，这样颤抖的手指就不会误双击。</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>按住按钮时指针保持不动，不会从你点击的地方滑开。</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine 已开启</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine 已关闭</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>显示所需条件</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>特殊情况</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>为你的手定制</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>点击保护</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>打开 Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>显示所需条件</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>更新…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>按 5 次 Ctrl：关闭</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>打开 Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>需要权限</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>已开启 · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>已关闭：无平滑</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>Quellarine %1 已可安装</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>已被其他应用占用</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>下一个模式</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>开启或关闭</translation>
    </message>
</context>
<context>
    <name>quellarine::ModeBanner</name>
    <message>
        <source>Quellarine</source>
        <translation>Quellarine</translation>
    </message>
    <message>
        <source>next mode</source>
        <translation>下一个模式</translation>
    </message>
</context>
<context>
    <name>quellarine::ModeOverlay</name>
    <message>
        <source>Quellarine</source>
        <translation>Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>Filter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>On</source>
        <translation>已开启</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>已关闭</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>特殊情况</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>为你的手定制</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>在任何应用中都能使用，Quellarine 在后台运行即可。</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>已被其他应用占用</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>切换模式</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>先是“直接”（无平滑），然后依次切换各个预设。同时按住 Shift 可往回切换。模式名称会在屏幕上显示几秒钟。</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>打开或关闭 Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>如果指针变得难以使用，请连续按 5 次 Ctrl 键：Quellarine 会立即关闭。</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>你也可以使用系统托盘中的图标。</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>系统不允许 Quellarine 监视指针。请退出后重新打开。</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>更新到 %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateController</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 是目前可用的最新版本。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>版本历史</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>更新到 %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>查看新功能并免费安装</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>看看是否有更新版本的 Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>发行说明</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 是目前可用的最新版本。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>版本历史</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>Quellarine 有新版本可用！</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>Quellarine %1 现已推出，你的版本是 %2。要现在打开它的下载页面吗？</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>跳过这个版本</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒我</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>打开下载页面</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>Quellarine 无法检查更新。</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine 在所有应用中消除指针的抖动，并忽略意外点击。</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine 不是医疗器械，不能诊断或治疗任何疾病。</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>欢迎使用 Quellarine</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>切换模式</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>先是“直接”（无平滑），然后依次切换各个预设。同时按住 Shift 可往回切换。模式名称会在屏幕上显示几秒钟。</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>打开或关闭 Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>如果指针变得难以使用，请连续按 5 次 Ctrl 键：Quellarine 会立即关闭。</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>一项针对运动障碍人士的研究发现，%1 的点击过程中指针发生了移动。Quellarine 会在你按下时让指针保持不动，并忽略短到不算点击的轻触。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>你也可以使用系统托盘中的图标。</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>欢迎使用 Quellarine</translation>
    </message>
</context>
</TS>

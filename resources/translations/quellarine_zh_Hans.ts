<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quellarine [OPTION]
Steadies the pointer for hands that shake. Without an option, starts Quellarine.

  --allow-devices       as root: lets the user at this computer&apos;s screen steady the pointing devices
  --allow-keyboards     as root: lets Quellarine hear its hot keys on the keyboards
  --disallow-keyboards  as root: takes the keyboards&apos; grant back
  --help                shows this help and ends
  --version             shows the version and ends</source>
        <translation>用法：quellarine [选项]
为颤抖的手稳定指针。不带选项时启动 Quellarine。

  --allow-devices       以 root 运行：允许这台电脑屏幕前的用户稳定指点设备
  --allow-keyboards     以 root 运行：允许 Quellarine 在键盘上听到它的快捷键
  --disallow-keyboards  以 root 运行：收回键盘的授权
  --help                显示此帮助并结束
  --version             显示版本并结束</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>Quellarine 无法理解“%1”。</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>Quellarine 需要桌面会话：无法打开任何显示（DISPLAY 或 WAYLAND_DISPLAY）。</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>Quellarine 通过这台电脑的指点设备来稳定指针，但目前还不能使用它们。要为使用这台电脑的人授予权限，请在终端中运行下面这一条命令并输入您的密码：

%1

Quellarine 会自行发现已获得的权限，无需重新启动。</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine 通过 X11 会话的 X 服务器稳定指针，该服务器必须提供 XInput2 和 XTest 扩展。当前会话没有提供这种访问权限，因此指针没有被稳定。

请注销，在登录界面选择 X11 会话（名称中通常带有“Xorg”或“X11”），重新登录后再启动 Quellarine。</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>这是一个 Wayland 会话。它的 X 服务器不允许任何程序查看或移动整个桌面的指针，因此 Quellarine 无法在这里稳定指针。

请注销，在登录界面选择 X11 会话（名称中通常带有“Xorg”或“X11”），重新登录后再启动 Quellarine。</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>开启或关闭 Quellarine</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine：下一个模式</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>Quellarine：上一个模式</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>此 Quellarine 副本缺少 %1。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>“%1”未成功。</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>无法删除 %1。</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>无法清除 %1 的访问列表。</translation>
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
        <source>Needs access to the pointer to work.</source>
        <translation>需要访问指针才能工作。</translation>
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
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>你</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>Quellarine 无法读取这个文件，它不是可识别的图像。</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>这张图像太大了。请选择小于 40 MB 的图像。</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>Quellarine 无法保存照片。请检查磁盘是否已满，然后重试。</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>AI 辅助</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>这台电脑需要此项授权，Quellarine 才能调整指针。请在终端中运行一次此命令并输入你的密码。你输入或点击的任何内容都不会被记录或发送到任何地方。</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>显示所需条件</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>已经运行过但仍然无效？访问权限只授予在这台电脑自己的屏幕上登录的人：请在那里注销并重新登录，然后打开 Quellarine。</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine 可以访问指针</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>允许访问指针</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>已授予访问权限，正在等待系统</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>已授予访问权限：无需运行任何命令。你输入或点击的任何内容都不会被记录，也不会被发送到任何地方。</translation>
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
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>每秒 %1 次</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 毫米</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>为你推荐</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>没有规律的节奏</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>瞄准处的抖动</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>抖动有多快</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>按下时的移动</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>多余或未命中的点击</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>各个预设在你的动作上的表现</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>每个预设能去掉多少抖动，以及指针落后你的手多远。</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>在这台电脑上测得。这些是指针设置，不是健康测量。</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>保留我的设置</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>使用这些设置</translation>
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
    <message>
        <source>With the click guard on</source>
        <translation>并开启点击保护</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>上次测试，%1：&lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>再测一次</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>测试区域</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>把指针放在这里</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>你的动作，以及使用推荐预设后的同一动作</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>为你的手调校</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>一分钟的测试，分三部分。Quellarine 在这台电脑上测量，然后 AI 可以解释你的结果并为你调一个个人设置。</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>第 1 步，共 3 步：把指针停在圆点上。</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>第 2 步，共 3 步：用指针跟随圆点。</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>第 3 步，共 3 步：每个目标出现时点击它。</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>正在用你的动作试每个预设。</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>你的结果</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>保持不动</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>在圆点上停 10 秒</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>跟随</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>跟随移动的圆点 15 秒</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>点击</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 个目标</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>使用你平常用的鼠标或触控板，按平常的方式握持。没有对错之分：测试只测量指针。</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>测试期间平滑和点击保护会暂停，测试后恢复。</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>录制内容只保存在内存中，离开此页面时即被删除。只保留结果。</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>之后，只要你要求，AI（Claude）可以解释你的结果并为你调一个个人设置。它只读取结果中的数字，从不读取录制内容。</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>再测一次</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>开始测试</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>正在计算你的设置…</translation>
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
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>触控板</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>两者都用</translation>
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
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>因为按了 5 次 Ctrl，已关闭。请在这里重新开启。</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>你的结果，由 AI 解读</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Claude（Anthropic 的 AI）会把这些数字写成通俗的话，并据此调整一个预设：为你的手定制的个人设置。</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>Quellarine 无法连接到互联网。上面的建议不需要联网：它是在这台电脑上算出的。</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>你今天的三次解读已经用完。请明天再试。</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>今天有很多人请求解读。请明天再试。</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>解读暂时不可用。请稍后再试；上面的建议照样有效。</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>由 AI（Claude）根据你结果中的数字写成。测量由 Quellarine 在这台电脑上完成，AI 的设置不会超出 Quellarine 预设的范围。</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>AI 的个人设置</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>根据你的数字，比%1稍稳一些。</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>根据你的数字，比%1稍快一些。</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1保持原样：它已经适合你的数字。</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>试一试</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>只发送下面的数字：绝不发送录制内容、你的姓名或电子邮件地址。</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>查看具体发送的内容</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>每天最多三次。</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>正在撰写…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>用 AI 解读</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>一个问题、一个想法、某处没有正常工作。每条消息都会由制作 Quellarine 的人阅读。</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>Quellarine 无法连接到互联网。你的消息保留在这里：联网后再试一次。</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>短时间内发送的消息太多。你的消息保留在这里：请一小时后再试。</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>消息无法按原样发送。请检查电子邮件地址，或缩短消息。</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>现在无法发送。你的消息保留在这里：请稍后再试，或复制它。</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>是关于什么的？</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>你的消息</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>你的电子邮件（可选）</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>包含应用详情</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>应用的版本、系统的版本、语言、预设和指点设备有助于找到问题。绝不包括你的姓名、你的文件或屏幕上的内容。</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>正在发送…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>发送（Ctrl + Return）</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>选择主题并写下消息即可发送。</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>谢谢！你的消息已在路上。</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>它会由真人阅读。你没有留下地址，所以不会有回复。</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>它会由真人阅读，回复将发送到 %1。</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>再写一条</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 / %2 个字符</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>仅用于回复你。留空即可保持匿名。</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>这看起来不像电子邮件地址。</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>复制消息</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>你的动作</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>颤抖的手</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>每秒次数</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>有意移动鼠标的频率大约低于每秒 2 次。颤抖更快，每秒 3 到 12 次。Quellarine 会识别颤抖并把它减掉，而不是让一切都变慢。</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>你的动作和颤抖有多快</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>一条从每秒 0 到 %1 次的数轴。你的动作在每秒 0 到 2 次之间，颤抖的手在 3 到 12 次之间。</translation>
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
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>使用“%1”预设平滑指针</translation>
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
    <name>quellarine::LagBars</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>均衡</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>按延迟划分的到达目标用时</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>75 毫秒的延迟使到达目标慢了 %1，错误率从 %2 升至 %3。增加 40 毫秒会损失约 %4 的指向速度。均衡预设约增加 25 毫秒。</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>增加 %1（与均衡相同）：%2。</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>增加 %1：%2。</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>使用这些设置</translation>
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
    <message>
        <source>Next mode: %1</source>
        <translation>下一个模式：%1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>开启或关闭：%1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>连按 5 次 Ctrl：此会话中听不到</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>正在等待桌面</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>桌面未分配</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>在此会话中不可用</translation>
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
    <name>quellarine::ModeSwitcher</name>
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
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>此版本</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>版本 %1，此版本：%2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>版本 %1：%2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>已开启</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine 开启或关闭</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>Quellarine 无法自行重新启动。请退出后重新打开，即可看到新的语言。</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>先用“均衡”，如果指针仍然抖动，再试试“强”。</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>正在使用“触控板”预设，专为手指的短距离滑动而设计。</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>切换设备时，用 %1 切换预设。</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>按你的习惯</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>Quellarine 会据此进行设置。任何内容都不会离开这台电脑。</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>点击保护</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>你用什么指点？</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>与系统相同</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>Quellarine 再次打开时将显示新语言。</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>重新启动 Quellarine</translation>
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
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>移除照片</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>将图片拖放到这里，用作你的照片</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>更换照片…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>选择照片…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>为你的个人资料选择一张图片。它只保存在这台电脑上。</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>使用照片</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>个人信息</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>只在这台电脑上的 Quellarine 中显示，从不上传。</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>一个问题、一个想法、一处不好用的地方。每条消息都会被阅读。</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>给我们写信</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>原理</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>颤抖的手会让点击出什么问题，以及 Quellarine 如何应对。</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>来自已发表研究的数字，研究对象是使用鼠标的人，每个数字都附上由此而来的设置。所有来源都在页面底部。</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>的点击发生了滑移</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>的双击失败</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>均衡预设的延迟</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>点击</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>大多数麻烦出在点击的那一刻，而不是移向目标的途中。</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 对 %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>老年人的双击错误是年轻人的这么多倍。</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>不只是颤抖：只要点击会滑移，Quellarine 就能帮上忙。</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>你的动作和颤抖速度不同。Quellarine 就在这个差距里工作。</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>2.34 对 4.72 比特/秒</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>有运动障碍的人的指向速度，与其他人相比。</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>更稳的指针能找回部分速度：更少失手，更少重试。</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>平滑通常会带来延迟，而延迟会拖慢速度。所以 Quellarine 把延迟控制得很小。</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>你自己的手</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>研究描述的是人群。“为你的手调校”看的是你的手。</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>这些研究观察的是使用鼠标的人群；除了标明为我们自己的那一项，它们都没有测试 Quellarine。Quellarine 不是医疗器械，不能诊断或治疗任何疾病。</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>其他人为 %1</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>的点击在按下和松开按钮之间移动了指针（有运动障碍的人）。</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>点击保护会在按钮按下期间让指针保持不动。</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>的双击和三击失败了：滑移、太慢或次数算错。</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>点击时指针保持不动，所以几次点击都落在同一处。</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>单人最多 19 次</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>次无人有意的点击，出自同一项研究。</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>短到不像真正按下的轻触不算作点击。</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>11 人中 9 人</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>试用过后，更喜欢点击时保持不动的指针。</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>Quellarine 的点击保护也是这样工作的。</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>抖动减少 %1</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
</context>
<context>
    <name>quellarine::ShakeLeft</name>
    <message>
        <source>How much shake is left, at the same 25 ms delay</source>
        <translation>在同样 25 毫秒延迟下还剩多少颤抖</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>普通平滑</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine，均衡</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>Quellarine 会算出颤抖并把它减掉，就像用来稳定手术器械的自适应滤波器，在实验室测试中去除了约三分之二的手部颤抖。每秒都在变化的颤抖更难处理：能去掉的就少一些。</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>普通平滑后剩余的颤抖：%1。使用 Quellarine 的均衡预设：%2。</translation>
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
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>要让 Quellarine 在这里听到它的快捷键和连按五次 Ctrl，请在终端中运行此命令，授予它访问键盘的权限。之后它能读取所有键盘；但它只关注修饰键和它的三个快捷键，绝不保存或发送任何按键。</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>你的桌面在所有应用中把这些按键交给 Quellarine；你可以在桌面的键盘设置中更改它们。</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine 通过你授予的键盘访问权限在所有应用中听到它们。它只关注修饰键和这三个快捷键，绝不保存或发送任何按键。</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>它们在此会话中不起作用：此会话不允许任何程序听到在其他窗口中按下的键。</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>正在等待桌面分配这些按键</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>桌面未分配这些按键</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>在此会话中不可用</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>直接（不平滑），然后依次切换每个预设；%1 返回上一个。模式名称会在屏幕上显示几秒钟。</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>在此会话中听不到连按五次 Ctrl。如果指针变得难以使用，请用主窗口中的开关或系统托盘中的 Quellarine 图标关闭平滑。</translation>
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
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>来源</translation>
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
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>有东西不工作</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>我有一个想法</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>有些地方令人困惑</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>缺少了什么</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>我喜欢的地方</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>先在上面选择主题，然后想写多少就写多少。</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>你做了什么，预期是什么，实际发生了什么？</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>你希望 Quellarine 做什么？</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>哪一部分难以理解？</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>你找了什么却没找到？</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>什么对你来说效果很好？</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
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
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>Quellarine %1 现已推出</translation>
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
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>新功能</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Quellarine 的每一次更新，最新的在前。更新终身免费。</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>没有版本说明</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>版本说明包含在应用下载中。检查更新以获取最新版本。</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>在你的电脑上测量</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>一分钟的测试会记录你的指针如何移动。Quellarine 用每个预设重放这段记录，并推荐以最小延迟留下最少颤抖的那个。</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>由 AI 解释与调校</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>如果你提出请求，AI（Claude）会读取结果中的数字（绝不读取录制内容），用简单的话解释它们说明了什么，并把推荐的预设调校成个人设置，范围不超出 Quellarine 的各个预设。</translation>
    </message>
</context>
</TS>
